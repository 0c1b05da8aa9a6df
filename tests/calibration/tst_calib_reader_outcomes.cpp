// What the reader reports for each kind of CRV file: status lines, warning
// boxes and chart calls in their order, and the Targets list it leaves.
#include <sys/stat.h>

#include <QLocale>
#include <QtTest>

#include "CURVEroutines.h"
#include "CrvBuilder.h"
#include "FakeCurveWindow.h"

using namespace CURVEroutines;

namespace {

const QStringList kAllInvalid = {
    "log: Loaded Up Samples INVALID!", "log: Empty Up Samples INVALID!",
    "log: Loaded Down Samples INVALID!", "log: Empty Down Samples INVALID!"};

QStringList Success(const QStringList& invalid = kAllInvalid) {
  return QStringList{"log: Success!"} + invalid + QStringList{"click: 240", "chart: show"};
}
QStringList Problem(int line) {
  return {QStringLiteral("warn: Problem with {path} at line %1").arg(line),
          QStringLiteral("log: Problem at line %1!").arg(line)};
}
const QStringList kUnfinished = {"warn: Could not fully process {path}"};

CrvBuilder WithTrailer(const QList<QByteArray>& trailer) {
  CrvBuilder crv;
  crv.trailer = trailer;
  return crv;
}
// Replaces line n (1-based) of a default file.
QByteArray WithLine(int n, const QByteArray& text) {
  QList<QByteArray> lines = CrvBuilder().Lines();
  lines[n - 1] = text;
  return lines.join("\r\n") + "\r\n";
}

constexpr int kTrailerLine = 105;  // first line after the row of 100 %

}  // namespace

class TestReaderOutcomes : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void outcomes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("after");  // events after the "Reading data from" line
    QTest::addColumn<QStringList>("targets");
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
    QTest::newRow("empty file") << QByteArray() << kUnfinished << S{};
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF") << kUnfinished << S{};
    {
      CrvBuilder crv;
      crv.preamble = {};
      QTest::newRow("BOM before header") << "\xEF\xBB\xBF" + crv.Bytes() << Success() << S{};
      QTest::newRow("header on line 1, bad row 0")
          << "\xEF\xBB\xBF" + crv.Bytes().replace("0%,1000,", "0%,01000,") << Problem(2) << S{};
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
  void outcomes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, after);
    QFETCH(QStringList, targets);
    QTemporaryDir dir;
    const QString path = WriteCrv(dir, bytes);
    FakeCurveWindow window;
    ReadCurveFile(path);
    QStringList expected = {"chart: unload", "log: ", "log: Reading data from t.CRV"};
    for (const QString& event : after) expected.append(QString(event).replace("{path}", path));
    QCOMPARE(window.events, expected);
    QCOMPARE(window.Lines(kTargets), targets);
  }

  void openFailures_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("device") << "device";
  }
  void openFailures() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("gone.CRV"));
    if (kind == "directory") path = dir.path();
    if (kind == "device") path = QStringLiteral("/dev/zero");
    if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    FakeCurveWindow window;
    ReadCurveFile(WriteCrv(dir, CrvBuilder().Bytes(), QStringLiteral("good.CRV")));
    window.events.clear();
    ReadCurveFile(path);
    QCOMPARE(window.events, (QStringList{"chart: unload", "warn: Could not open " + path,
                                         "log: Could not open file!"}));
    QCOMPARE(window.VisibleLists(), QList<int>{});
    QVERIFY(!window.mnuFilePrintChart().Enabled());
  }

  void lineLimit_data() {
    QTest::addColumn<int>("filler");
    QTest::addColumn<QStringList>("after");
    // 2 preamble + header + 101 rows = 104 lines before the filler.
    QTest::newRow("32767 lines") << 32767 - 104 << Success();
    QTest::newRow("32768 lines") << 32768 - 104 << Problem(32768);
  }
  void lineLimit() {
    QFETCH(int, filler);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    CrvBuilder crv;
    for (int i = 0; i < filler; ++i) crv.trailer.append("x");
    const QString path = WriteCrv(dir, crv.Bytes());
    FakeCurveWindow window;
    ReadCurveFile(path);
    QCOMPARE(window.events.mid(3).join('\n'), after.join('\n').replace("{path}", path));
  }

  // The example files shipped with the program read as their names promise.
  void examples_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("strain") << "strain-car1.CRV"
                            << "chart: show";
    QTest::newRow("pressure") << "pressure-car2.CRV"
                              << "chart: show";
    QTest::newRow("bad row") << "bad-row.CRV"
                             << "log: Problem at line 43!";
    QTest::newRow("ends early") << "ends-early.CRV"
                                << "warn: Could not fully process " MIRELDA_EXAMPLES_DIR
                                   "/ends-early.CRV";
  }
  void examples() {
    QFETCH(QString, name);
    QFETCH(QString, lastLine);
    FakeCurveWindow window;
    ReadCurveFile(QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + name);
    QCOMPARE(window.events.last(), lastLine);
    QCOMPARE(window.events.contains("log: Empty Up Samples INVALID!"), name.startsWith("pressure"));
  }
};

QTEST_MAIN(TestReaderOutcomes)
#include "tst_calib_reader_outcomes.moc"
