// The cheapest Qt Widgets program with a window: the yardstick the viewer's
// start-up is measured against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal Qt window"));
  window.resize(520, 383);
  window.show();
  return QApplication::exec();
}
