// mirelda-crv compare: a file against a reference, curve by curve.
#include <QTemporaryDir>
#include <QTest>

#include "calibration/CURVEroutines.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/cli/CliRun.h"

class CliCompare : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WriteCliFiles(dir_); }
  void cleanupTestCase() { RemoveCliFiles(); }

  // FILE minus REF per curve; --tolerance decides the status.
  void compare_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");  // found on standard error, where given
    const QString strain = Example("strain-car1.CRV");
    QStringList same;
    for (int16_t code = CURVEroutines::kDynamic; code <= CURVEroutines::kDeltaDown; ++code) {
      same << CURVEroutines::CurveName(code) + ": largest 0.00V (0 counts) at 0%, mean 0.00V";
    }
    QStringList changed = same;
    changed[1] = "Loaded Up: largest 0.10V (1311 counts) at 37%, mean 0.00V";
    changed[5] = "Delta Up: largest 0.10V (1311 counts) at 37%, mean 0.00V";
    QStringList back = changed;
    back[1].replace("0.10V (1311", "-0.10V (-1311");
    back[5].replace("0.10V (1311", "-0.10V (-1311");
    QTest::newRow("a file with itself")
        << QStringList{"compare", strain, strain} << same << 0 << QString();
    QTest::newRow("changed at one height")
        << QStringList{"compare", strain, "changed.CRV"} << changed << 0 << QString();
    QTest::newRow("the other way round")
        << QStringList{"compare", "changed.CRV", strain} << back << 0 << QString();
    QTest::newRow("tolerance below the change")
        << QStringList{"compare", "--tolerance", "0.09", strain, "changed.CRV"} << changed << 1
        << "beyond the tolerance of 0.09V: Loaded Up, Delta Up\n";
    QTest::newRow("tolerance at the change")
        << QStringList{"compare", strain, "changed.CRV", "--tolerance=0.1"} << changed << 0
        << QString();
    QTest::newRow("negative change beyond the tolerance")
        << QStringList{"compare", "changed.CRV", strain, "--tolerance", "0,05"} << back << 1
        << "beyond the tolerance of 0.05V: Loaded Up, Delta Up\n";
    // One decimal separator in all text, the locale's, as the viewer's lists.
    QStringList comma = back;
    for (QString& line : comma) line.replace('.', ',');
    QTest::newRow("a comma locale, on both outputs")
        << QStringList{"compare",     "changed.CRV", strain,
                       "--tolerance", "0.05",        "@LC_ALL=de_DE.UTF-8"}
        << comma << 1 << "beyond the tolerance of 0,05V: Loaded Up, Delta Up\n";
    const QStringList kinds = {"Dynamic: largest 0.14V (1844 counts) at 29%, mean 0.03V",
                               "Loaded Up: largest -0.93V (-12159 counts) at 0%, mean -0.38V",
                               "Empty Up: largest 0.61V (7962 counts) at 100%, mean 0.17V",
                               "Loaded Down: largest -0.85V (-11087 counts) at 0%, mean -0.30V",
                               "Empty Down: largest 0.66V (8670 counts) at 100%, mean 0.23V",
                               "Delta Up: largest -0.74V (-9719 counts) at 0%, mean -0.56V",
                               "Delta Down: largest -0.71V (-9351 counts) at 0%, mean -0.53V"};
    QTest::newRow("two sensor kinds")
        << QStringList{"compare", strain, Example("pressure-car2.CRV")} << kinds << 0
        << "strain-car1.CRV reads as STRAIN and " + Example("pressure-car2.CRV") +
               " as PRESSURE: they may not be runs of one sensor\n";
    QStringList tie = same;
    tie[0] = "Dynamic: largest 0.62V (8192 counts) at 0%, mean 0.62V";
    QTest::newRow("a tie at every height")
        << QStringList{"compare", "base.CRV", "shifted.CRV"} << tie << 0 << QString();
    QStringList lower = same;
    lower[0] = "Dynamic: largest -0.63V (-8225 counts) at 0%, mean -0.63V";
    QTest::newRow("a negative mean to the nearest")
        << QStringList{"compare", "base.CRV", "lowered.CRV"} << lower << 0 << QString();
    QTest::newRow("a file that does not read")
        << QStringList{"compare", strain, Example("ends-early.CRV")} << QStringList{} << 1
        << QString();
    QTest::newRow("csv") << QStringList{"compare", "--csv", strain, "changed.CRV"}
                         << QStringList{"Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down,"
                                        "Delta Up,Delta Down,Dynamic (V),Loaded Up (V),Empty Up "
                                        "(V),Loaded Down (V),Empty Down (V),Delta Up (V),Delta "
                                        "Down (V)"}
                         << 0 << QString();
  }
  void compare() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    QFETCH(QString, err);
    const Run run = Crv(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (!args.contains("--csv")) {
      QCOMPARE(run.out, lines);
      QCOMPARE(run.err.contains("Could not fully process"), lines.isEmpty());
      return;
    }
    QCOMPARE(run.out.size(), 102);
    QCOMPARE(run.out[0], lines[0]);
    for (int h = 0; h <= 100; ++h) {
      QCOMPARE(run.out[h + 1], h == 37 ? "37,0,1311,0,0,0,1311,0,0.00,0.10,0.00,0.00,0.00,0.10,0.00"
                                       : QString::number(h) +
                                             ",0,0,0,0,0,0,0,0.00,0.00,0.00,"
                                             "0.00,0.00,0.00,0.00");
    }
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliCompare)
#include "tst_cli_compare.moc"
