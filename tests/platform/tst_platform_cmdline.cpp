// The command line reaches the program as the operating system gave it: Qt
// gets the program's name alone and acts on none of the options it knows.
// File names keep their bytes, as given or as the file dialog shows them.
#include <sys/stat.h>

#include <QApplication>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "platform/CommandLine.h"
#include "platform/FileName.h"

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

  // A name as Qt's file dialog shows it, each byte that is not UTF-8 as
  // U+FFFD, leads back to the one file it shows, or to nothing.
  void shownNamesLeadBackToTheirFiles_data() {
    QTest::addColumn<QList<QByteArray>>("files");  // made in a folder of their own
    QTest::addColumn<QString>("shown");            // after the folder's path
    QTest::addColumn<QByteArray>("found");         // "" for the shown name itself
    const QList<QByteArray> one{"bad\xe9.CRV"};
    QTest::newRow("a name") << one << QStringLiteral(u"/bad\ufffd.CRV")
                            << QByteArray("/bad\xe9.CRV");
    QTest::newRow("in a folder") << QList<QByteArray>{"d\xff/x.CRV"}
                                 << QStringLiteral(u"/d\ufffd/x.CRV") << QByteArray("/d\xff/x.CRV");
    QTest::newRow("two shown alike") << QList<QByteArray>{"bad\xe9.CRV", "bad\xe8.CRV"}
                                     << QStringLiteral(u"/bad\ufffd.CRV") << QByteArray();
    QTest::newRow("none shown so") << one << QStringLiteral(u"/b\ufffd.CRV") << QByteArray();
    QTest::newRow("U+FFFD itself") << QList<QByteArray>{"a\xef\xbf\xbd"}
                                   << QStringLiteral(u"/a\ufffd") << QByteArray("/a\xef\xbf\xbd");
  }
  void shownNamesLeadBackToTheirFiles() {
    QFETCH(QList<QByteArray>, files);
    QFETCH(QString, shown);
    QFETCH(QByteArray, found);
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    for (const QByteArray& file : files) {
      if (file.contains('/'))
        QVERIFY(::mkdir((root + '/' + file.split('/')[0]).constData(), 0700) == 0);
      FILE* f = std::fopen((root + '/' + file).constData(), "w");
      QVERIFY(f != nullptr);
      std::fclose(f);
    }
    const QString path = dir.path() + shown;
    QCOMPARE(platform::FileNameFromShown(path),
             found.isEmpty() ? path : platform::DecodeFileName(root + found));
  }
};

int main(int argc, char** argv) {
  QApplication app(gLine.QtArgc(), gLine.QtArgv());
  PlatformCommandLine test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_platform_cmdline.moc"
