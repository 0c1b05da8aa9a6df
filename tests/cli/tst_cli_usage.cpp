// mirelda-crv misused: its usage errors, help and version, and output it
// cannot write.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/cli/CliRun.h"

class CliUsage : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WriteCliFiles(dir_); }
  void cleanupTestCase() { RemoveCliFiles(); }

  void usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    const QString file = Example("strain-car1.CRV");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"show", file};
    QTest::newRow("unknown option") << QStringList{"check", "--fast", file};
    QTest::newRow("check without a file") << QStringList{"check", "-q"};
    QTest::newRow("list of two files and a curve") << QStringList{"list", file, file, "Dynamic"};
    QTest::newRow("unknown curve") << QStringList{"list", file, "Loaded Sideways"};
    QTest::newRow("csv with a curve") << QStringList{"list", "--csv", file, "Dynamic"};
    QTest::newRow("recursive with list") << QStringList{"list", "-r", file};
    QTest::newRow("csv with check") << QStringList{"check", "--csv", file};
    QTest::newRow("csv with chart") << QStringList{"chart", file, "--csv", "-o", "c.png"};
    QTest::newRow("output with list") << QStringList{"list", file, "-o", "c.png"};
    QTest::newRow("chart without -o") << QStringList{"chart", file};
    QTest::newRow("-o without a name") << QStringList{"chart", file, "-o"};
    QTest::newRow("unknown picture type") << QStringList{"chart", file, "-o", "c.jpg"};
    QTest::newRow("size of nothing") << QStringList{"chart", file, "-o", "c.png", "--size=0x10"};
    QTest::newRow("info of two files") << QStringList{"info", file, file};
    QTest::newRow("compare of one file") << QStringList{"compare", file};
    QTest::newRow("tolerance with check") << QStringList{"check", "--tolerance", "1", file};
    QTest::newRow("negative tolerance") << QStringList{"compare", file, file, "--tolerance=-1"};
    QTest::newRow("tolerance with exponent")
        << QStringList{"compare", file, file, "--tolerance=1e3"};
    QTest::newRow("report without -o") << QStringList{"report", file};
    QTest::newRow("report as a picture") << QStringList{"report", file, "-o", "c.jpg"};
    QTest::newRow("marks with report") << QStringList{"report", file, "-o", "s.pdf", "--marks"};
    QTest::newRow("tolerance without a reference")
        << QStringList{"report", file, "-o", "s.pdf", "--tolerance", "0.1"};
    QTest::newRow("issued not a date")
        << QStringList{"report", file, "-o", "s.pdf", "--issued", "2026-02-30"};
    QTest::newRow("site with chart") << QStringList{"chart", file, "-o", "c.png", "--site", "X"};
    QTest::newRow("reference with list") << QStringList{"list", file, "--reference", file};
    QTest::newRow("size too large")
        << QStringList{"chart", file, "-o", "c.png", "--size", "99999x2"};
    QTest::newRow("size one too large")
        << QStringList{"chart", file, "-o", "c.png", "--size", "5x10001"};
    for (const char* scale : {"0.99", "4.01", "1e0", "2,5"}) {
      QTest::addRow("scale %s", scale)
          << QStringList{"chart", file, "-o", "c.png", "--scale", scale};
    }
    QTest::newRow("scaled past the largest side")
        << QStringList{"chart", file, "-o", "c.png", "--size=2501x10", "--scale=4"};
    QTest::newRow("scale of a drawing")
        << QStringList{"chart", file, "-o", "scaled.svg", "--scale=2"};
    QTest::newRow("scale with check") << QStringList{"check", file, "--scale=2"};
  }
  void usageErrors() {
    QFETCH(QStringList, args);
    const Run run = Crv(args);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QStringList());
    QVERIFY(run.err.startsWith("mirelda-crv: "));
    QVERIFY(!QFile::exists("c.jpg") && !QFile::exists("scaled.svg"));
  }

  void helpVersionAndLostOutput() {
    // Help wins over anything on the line, then the version.
    for (const QStringList& args : {QStringList{"check", "--help"},
                                    {"--version", "--help"},
                                    {"--help", "--version"},
                                    {"--version", "help"},
                                    {"--fast", "-h", "--version"}}) {
      const Run help = Crv(args);
      QCOMPARE(help.status, 0);
      QVERIFY2(help.out.value(0).startsWith("Usage: mirelda-crv check"),
               qPrintable(args.join(' ')));
    }
    QCOMPARE(Crv({"--size=0x0", "--version", "bogus"}).status, 0);
    QCOMPARE(Crv({"--version"}).out, QStringList{"mirelda-crv (Mirelda) 3.1 build 0"});
    // Output that cannot be written is no success.
    const Run lost = Crv({"--version", "@stdout=/dev/full"});
    QCOMPARE(lost.status, 1);
    QVERIFY(lost.err.startsWith("mirelda-crv: "));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliUsage)
#include "tst_cli_usage.moc"
