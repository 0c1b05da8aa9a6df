#include <QApplication>

#include "CommandLine.h"
#include "FrmCURVE.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  FrmCURVE window;
  if (window.Form_Load(platform::ArgumentString(QApplication::arguments())) ==
      FrmCURVE::StartOutcome::End) {
    // A refused name: the program ends without showing a window.
    return 1;
  }
  window.show();
  return QApplication::exec();
}
