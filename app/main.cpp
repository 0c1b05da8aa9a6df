#include <QApplication>

#include "mainwindow/FrmCURVE.h"
#include "platform/CommandLine.h"

int main(int argc, char* argv[]) {
  // Qt sees no argument but the program's name: the arguments are the file name.
  platform::CommandLine commandLine(argc, argv);
  QApplication app(commandLine.QtArgc(), commandLine.QtArgv());
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.mirelda"));
  FrmCURVE window;
  if (window.Form_Load(platform::ArgumentString(commandLine.Arguments())) ==
      FrmCURVE::StartOutcome::End) {
    // A refused name: the program ends without showing a window.
    return 1;
  }
  window.show();
  return QApplication::exec();
}
