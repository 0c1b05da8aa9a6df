// What the reader reports for each kind of CRV file: status lines, warning
// boxes and chart calls in their order, the Targets list and controls it
// leaves, and that a good file read next still succeeds.
#include <QLocale>
#include <QtTest>

#include "tests/calibration/ReaderOutcomes.h"
#include "tests/core/ReadsFailAt.h"

class TestReaderOutcomes : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void formats_data() {
    AddBytesColumns();
    using S = QStringList;
    const QByteArray big(300 * 1024, 'q');

    QTest::newRow("no trailer") << CrvBuilder().Bytes() << Success() << S{};
    {
      CrvBuilder crv;
      crv.header = "height,DYNAMIC,Loaded up,empty UP,loaded down,Empty Down";
      QTest::newRow("header in mixed case") << crv.Bytes() << Success() << S{};
      crv.header = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down,";
      QTest::newRow("header with a comma added") << crv.Bytes() << kUnfinished << S{};
      crv.header = "Height, Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
      QTest::newRow("header with a space") << crv.Bytes() << kUnfinished << S{};
      crv.header = "He\xC4\xB1ght,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
      QTest::newRow("non-ASCII letter in header") << crv.Bytes() << kUnfinished << S{};
    }
    {
      CrvBuilder crv;
      crv.ending = "\r";
      QTest::newRow("CR endings") << crv.Bytes() << Success() << S{};
      crv.ending = "\n";
      QTest::newRow("LF endings are one line") << crv.Bytes() << kUnfinished << S{};
      crv.ending = "\r\n";
      crv.rows = 100;
      QTest::newRow("ends after row 99") << crv.Bytes() << kUnfinished << S{};
    }
    QTest::newRow("no final line ending") << CrvBuilder().Bytes().chopped(2) << Success() << S{};
    QTest::newRow("blank line among rows") << WithLine(50, "") << Problem(50) << S{};
    QTest::newRow("row out of order") << WithLine(6, CrvBuilder::Row(3)) << Problem(6) << S{};
    QTest::newRow("long preamble line") << WithLine(1, big + "%,") << Success() << S{};
    QTest::newRow("long data row") << WithLine(10, "6%,1,2,3,4," + big) << Problem(10) << S{};

    QTest::newRow("elevation lines")
        << WithTrailer({"ELEVUP,45%", "ElevDown,47%", "101%,1,2,3,4,5"}).Bytes() << Success()
        << S{"Elevation Switch", "Up @45%", "Down @47%"};
    QTest::newRow("two up lines") << WithTrailer({"elevup,0%", "ELEVUP,100%"}).Bytes() << Success()
                                  << S{"Elevation Switch", "Up @0%", "Up @100%"};
    QTest::newRow("third elevation line")
        << WithTrailer({"ELEVUP,45%", "ELEVDOWN,47%", "ELEVUP,46%"}).Bytes()
        << Problem(kTrailerLine + 2) << S{"Elevation Switch", "Up @45%", "Down @47%"};
    QTest::newRow("ELEVDOWN without its comma")
        << WithTrailer({"ELEVDOWNX,45%"}).Bytes() << Problem(kTrailerLine) << S{};
    QTest::newRow("remark starting ELEV with a comma")
        << WithTrailer({"Elevation noted, see log"}).Bytes() << Problem(kTrailerLine) << S{};
    QTest::newRow("ELEVATION without comma skipped")
        << WithTrailer({"Elevation Switch", "ELEVATION"}).Bytes() << Success() << S{};
    QTest::newRow("long ELEV line with comma far out")
        << WithTrailer({"ELEV" + big + ",45%"}).Bytes() << Problem(kTrailerLine) << S{};
    QTest::newRow("long ELEV line without comma")
        << WithTrailer({"ELEV" + big}).Bytes() << Success() << S{};

    QTest::newRow("samples") << WithTrailer({"ELEVUP,45%", "10%,99", "Loaded Up Samples",
                                             "50%,13107", "# note", "", "10%,8192",
                                             "EMPTY UP SAMPLES", "-3%,-8192", "ELEVDOWN,47%"})
                                    .Bytes()
                             << Success({kAllInvalid[2], kAllInvalid[3]})
                             << S{"Elevation Switch", "Up @45%",   "", "Loaded Up",
                                  "50%=1.00V",        "10%=0.62V", "", "Empty Up",
                                  "  -3%=-0.62V"};
    QTest::newRow("first block without elevation lines")
        << WithTrailer({"Empty Down Samples", "5%,0"}).Bytes() << Success(kAllInvalid.first(3))
        << S{"Empty Down", "  5%=0.00V"};
    QTest::newRow("heading given twice")
        << WithTrailer({"Loaded Up Samples", "5%,0", "Loaded Up Samples", "6%,0"}).Bytes()
        << Success(kAllInvalid.mid(1))
        << S{"Loaded Up", "  5%=0.00V", "", "Loaded Up", "  6%=0.00V"};
    QTest::newRow("sample with trailing comma")
        << WithTrailer({"Loaded Up Samples", "5%,0,"}).Bytes() << Problem(kTrailerLine + 1) << S{};
    QTest::newRow("sample height 254 and 255")
        << WithTrailer({"Loaded Up Samples", "254%,0", "255%,0"}).Bytes()
        << Problem(kTrailerLine + 2) << S{"Loaded Up", "254%=0.00V"};
    QTest::newRow("long line with mark in a section")
        << WithTrailer({"Loaded Up Samples", big + "%,1"}).Bytes() << Problem(kTrailerLine + 1)
        << S{};
    QTest::newRow("long comment in a section")
        << WithTrailer({"Loaded Up Samples", big + "%"}).Bytes() << Success(kAllInvalid) << S{};
  }
  void formats() { ReadRow(); }

  // A read that fails after the last data row is no success.
  void readErrorAfterTheRows() {
    QTemporaryDir dir;
    const QByteArray bytes = WithTrailer({"ELEVUP,45%"}).Bytes();
    const QString path = WriteCrv(dir, bytes);
    FakeCurveWindow window;
    {
      const ReadsFailAt failing(bytes.indexOf("ELEVUP"));
      ReadCurveFile(path);
    }
    QCOMPARE(window.events.mid(1), QStringList({"log: ", "log: Reading data from t.CRV",
                                                "warn: Could not fully process " + path}));
  }

  // The example files shipped with the program read as their names promise.
  void examples_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lastLine");
    const QString show = QStringLiteral("chart: show");
    QTest::newRow("strain") << QStringLiteral("strain-car1.CRV") << show;
    QTest::newRow("strain, a year earlier") << QStringLiteral("strain-car1-2025.CRV") << show;
    QTest::newRow("pressure") << QStringLiteral("pressure-car2.CRV") << show;
    QTest::newRow("pressure, Windows-1252 text") << QStringLiteral("pressure-car3.CRV") << show;
    QTest::newRow("bad row") << QStringLiteral("bad-row.CRV")
                             << QStringLiteral("log: Problem at line 43!");
    QTest::newRow("ends early") << QStringLiteral("ends-early.CRV")
                                << QStringLiteral(
                                       "warn: Could not fully process " MIRELDA_EXAMPLES_DIR
                                       "/ends-early.CRV");
  }
  void examples() {
    QFETCH(QString, name);
    QFETCH(QString, lastLine);
    FakeCurveWindow window;
    ReadCurveFile(QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + name);
    QCOMPARE(window.events.last(), lastLine);
    QCOMPARE(window.events.contains("log: Empty Up Samples INVALID!"), name == "pressure-car2.CRV");
  }
};

QTEST_MAIN(TestReaderOutcomes)
#include "tst_calib_reader_outcomes.moc"
