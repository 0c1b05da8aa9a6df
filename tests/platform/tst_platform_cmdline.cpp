// The command line reaches the program as the operating system gave it: Qt
// gets the program's name alone and acts on none of the options it knows.
#include <QApplication>
#include <QStyle>
#include <QTest>

#include "CommandLine.h"
#include "FileName.h"

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

  // Names that are not UTF-8 keep their bytes through the QString, and a
  // window shows each foreign byte as one replacement character.
  void fileNamesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("utf-8") << QByteArray("H\xc3\xb6he \xf0\x9f\x9a\xa1.CRV")
                           << QStringLiteral(u"H\u00f6he \U0001F6A1.CRV");
    QTest::newRow("latin-1") << QByteArray("bad\xe9.CRV") << QStringLiteral(u"bad\ufffd.CRV");
    QTest::newRow("cut short") << QByteArray("a\xc3") << QStringLiteral(u"a\ufffd");
    QTest::newRow("overlong") << QByteArray("\xc0\xaf") << QStringLiteral(u"\ufffd\ufffd");
    QTest::newRow("surrogate") << QByteArray("\xed\xb3\x80")
                               << QStringLiteral(u"\ufffd\ufffd\ufffd");
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xf4\x90\x80\x80") << QStringLiteral(u"\ufffd\ufffd\ufffd\ufffd");
    QTest::newRow("after a pair") << QByteArray("\xf0\x9f\x9a\xa1\xb3")
                                  << QStringLiteral(u"\U0001F6A1\ufffd");
  }
  void fileNamesKeepTheirBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = platform::DecodeFileName(bytes);
    QCOMPARE(platform::EncodeFileName(name), bytes);
    QCOMPARE(platform::ShownFileName(name), shown);
  }
};

int main(int argc, char** argv) {
  QApplication app(gLine.QtArgc(), gLine.QtArgv());
  PlatformCommandLine test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_platform_cmdline.moc"
