// The cheapest Qt Widgets program with a window: the yardstick the viewer's
// start-up is measured against. With --text it shows one line of text, which
// costs what any window with text costs first: the font database and a font.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal Qt window"));
  window.resize(520, 383);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    (new QLabel(QStringLiteral("One line of text"), &window))->move(10, 10);
  }
  window.show();
  return QApplication::exec();
}
