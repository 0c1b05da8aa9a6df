// The command line reaches the program as the operating system gave it: Qt
// gets the program's name alone and acts on none of the options it knows.
#include <QApplication>
#include <QStyle>
#include <QTest>
#include <vector>

#include "CommandLine.h"

namespace {
// A command line with Qt options in it, as main() would receive it.
std::vector<QByteArray> gGiven = {"mirelda", "-reverse", "-style", "windows", "car 1.CRV"};

std::vector<char*> Argv(std::vector<QByteArray>& given) {
  std::vector<char*> argv;
  for (QByteArray& a : given) argv.push_back(a.data());
  argv.push_back(nullptr);
  return argv;
}
}  // namespace

class PlatformCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void qtActsOnNoOption() {
    QCOMPARE(QCoreApplication::arguments(), QStringList{"mirelda"});
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QVERIFY(QApplication::style()->name() != QStringLiteral("windows"));
  }

  void argumentString_data() {
    QTest::addColumn<QList<QByteArray>>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name only") << QList<QByteArray>{"mirelda"} << QString();
    QTest::newRow("Qt options are part of the name")
        << QList<QByteArray>(gGiven.begin(), gGiven.end())
        << QStringLiteral("-reverse -style windows car 1.CRV");
    QTest::newRow("unquoted blanks joined by one blank")
        << QList<QByteArray>{"mirelda", "/lift data/car", "3.crv"}
        << QStringLiteral("/lift data/car 3.crv");
    QTest::newRow("empty argument kept")
        << QList<QByteArray>{"mirelda", "", "a.CRV"} << QStringLiteral(" a.CRV");
    QTest::newRow("UTF-8 name") << QList<QByteArray>{"mirelda", "H\xc3\xb6he.CRV"}
                                << QStringLiteral(u"H\u00f6he.CRV");
  }
  void argumentString() {
    QFETCH(QList<QByteArray>, given);
    QFETCH(QString, expected);
    std::vector<QByteArray> bytes(given.begin(), given.end());
    std::vector<char*> argv = Argv(bytes);
    platform::CommandLine line(static_cast<int>(bytes.size()), argv.data());
    QCOMPARE(platform::ArgumentString(line.Arguments()), expected);
    QCOMPARE(line.QtArgc(), 1);
    QCOMPARE(line.QtArgv()[0], argv[0]);
  }
};

int main(int argc, char** argv) {
  std::vector<char*> given = Argv(gGiven);
  platform::CommandLine line(static_cast<int>(gGiven.size()), given.data());
  QApplication app(line.QtArgc(), line.QtArgv());
  PlatformCommandLine test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_platform_cmdline.moc"
