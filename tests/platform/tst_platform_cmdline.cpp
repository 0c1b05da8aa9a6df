// The command line reaches the program as the operating system gave it: Qt
// gets the program's name alone and acts on none of the options it knows.
#include <QApplication>
#include <QStyle>
#include <QTest>

#include "CommandLine.h"

namespace {
QByteArray gGiven[] = {"mirelda", "-reverse", "-style", "windows", "H\xc3\xb6he", "1.CRV"};
char* gArgv[] = {gGiven[0].data(), gGiven[1].data(), gGiven[2].data(),
                 gGiven[3].data(), gGiven[4].data(), gGiven[5].data()};
platform::CommandLine gLine(6, gArgv);
}  // namespace

class PlatformCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void qtOptionsArePartOfTheName() {
    QCOMPARE(platform::ArgumentString(gLine.Arguments()),
             QStringLiteral(u"-reverse -style windows H\u00f6he 1.CRV"));
    QCOMPARE(QCoreApplication::arguments(), QStringList{"mirelda"});
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QVERIFY(QApplication::style()->name() != QStringLiteral("windows"));
  }
};

int main(int argc, char** argv) {
  QApplication app(gLine.QtArgc(), gLine.QtArgv());
  PlatformCommandLine test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_platform_cmdline.moc"
