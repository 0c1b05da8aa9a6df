// mirelda-crv list: the lists of the main window, and as CSV.
#include <QTemporaryDir>
#include <QTest>

#include "calibration/CURVEroutines.h"
#include "mainwindow/FrmCURVE.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/cli/CliRun.h"

class CliList : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WriteCliFiles(dir_); }
  void cleanupTestCase() { RemoveCliFiles(); }

  // The lists as the main window holds them after reading the same file.
  void listMatchesMainWindow_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("strain") << Example("strain-car1.CRV");
    QTest::newRow("pressure") << Example("pressure-car2.CRV");
    QTest::newRow("samples in every set") << dir_.filePath("fleet/a-good.CRV");
  }
  void listMatchesMainWindow() {
    QFETCH(QString, file);
    FrmCURVE w;
    w.Form_Load(file);
    QStringList expected;
    for (int16_t code = CURVEroutines::kFirstCode; code <= CURVEroutines::kLastCode; ++code) {
      if (code != CURVEroutines::kFirstCode) expected << QString();
      expected << "[" + CURVEroutines::CurveName(code) + "]";
      const platform::ListBox& list = w.ListData(code);
      for (int i = 0; i < list.ListCount(); ++i) {
        expected << list.List(i) + (list.Selected(i) ? " *" : "");
      }
    }
    QCOMPARE(Crv({"list", file}).out, expected);
    // One curve alone, named loosely.
    const QStringList emptyDown = Crv({"list", file, "empty-DOWN"}).out;
    QCOMPARE(emptyDown, expected.mid(expected.indexOf("[Empty Down]") + 1, 102));
  }

  void csvColumns() {
    const Run run = Crv({"list", "--csv", Example("pressure-car2.CRV")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.value(102), "");
    QCOMPARE(run.out[0],
             "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down,Delta Up,Delta Down,"
             "Dynamic (V),Loaded Up (V),Empty Up (V),Loaded Down (V),Empty Down (V),"
             "Delta Up (V),Delta Down (V)");
    // Each row: the file's readings, their differences, and the volts of the lists.
    const Run lists = Crv({"list", Example("pressure-car2.CRV")});
    for (int h = 0; h <= 100; ++h) {
      const QStringList cells = run.out[h + 1].split(',');
      QCOMPARE(cells.size(), 15);
      QCOMPARE(cells[0].toInt(), h);
      QCOMPARE(cells[6].toInt(), cells[2].toInt() - cells[3].toInt());
      QCOMPARE(cells[7].toInt(), cells[4].toInt() - cells[5].toInt());
      for (int16_t code = CURVEroutines::kDynamic; code <= CURVEroutines::kDeltaDown; ++code) {
        const int line = lists.out.indexOf("[" + CURVEroutines::CurveName(code) + "]") +
                         (code <= CURVEroutines::kEmptyDown ? 2 : 1) + h;
        const QString volts = lists.out[line].section('=', 1).remove(" *").chopped(1);
        QCOMPARE(cells[code - CURVEroutines::kDynamic + 8], volts);
      }
    }
  }

  // Below the curve table, which run it was, each block under its own header
  // row; a field with a comma or a quotation mark is quoted.
  void csvRun_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows");
    CrvBuilder quoted;
    quoted.preamble = {"Car \"B\", shaft 2", " padded", "tab\t"};
    quoted.trailer = {"ELEVDOWN,7%", "Empty Up Samples", "90%,-5", "10%,65536"};
    QTest::newRow("quotes, a comma, blanks, controls, no up switch")
        << WriteCrv(dir_, quoted.Bytes(), "quoted.CRV")
        << QStringList{"Line before the header",
                       "\"Car \"\"B\"\", shaft 2\"",
                       "\" padded\"",
                       "tab\\t",
                       "",
                       "Elevation switch,Height",
                       "Up,",
                       "Down,7",
                       "",
                       "Sample set,Height,Value,Volts",
                       "Empty Up Samples,10,65536,5.00",
                       "Empty Up Samples,90,-5,0.00"};
  }
  void csvRun() {
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    const Run run = Crv({"list", "--csv", file, "@LC_ALL=de_DE.UTF-8"});
    QCOMPARE(run.out.mid(103), rows);
  }

  // The lists keep the locale's decimal comma; the CSV keeps its point.
  // A tie goes to the even hundredth: the built file's Delta Down is -8192
  // counts, -0.625 V.
  void csvDecimalPoint() {
    const QString file = Example("strain-car1.CRV");
    QCOMPARE(Crv({"list", file, "Dynamic", "@LC_ALL=de_DE.UTF-8"}).out.value(1), "  0%=1,53V");
    QCOMPARE(Crv({"list", "--csv", file, "@LC_ALL=de_DE.UTF-8"}).out.value(1).split(',').size(),
             15);
    QCOMPARE(
        Crv({"list", "--csv", dir_.filePath("fleet/a-good.CRV")}).out.value(1).section(',', 14),
        "-0.62");
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliList)
#include "tst_cli_list.moc"
