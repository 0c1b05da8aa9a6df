// What follows from a read value alone: the Targets list, the sample sets
// as the tables hold them after the target checks, the switch heights, the
// difference curves and the marks of a curve's list.
#include <QLocale>
#include <QtTest>
#include <limits>

#include "core/ListText.h"
#include "tests/calibration/CrvBuilder.h"

using namespace core;

namespace {

CrvRead ReadTrailer(const QList<QByteArray>& trailer) {
  CrvBuilder crv;
  crv.trailer = trailer;
  QTemporaryDir dir;
  return ReadCrv(WriteCrv(dir, crv.Bytes()));
}

// A set as "h/v ..." up to its first empty slot, "-" when nothing is present.
QString SetText(const SampleSlots& set) {
  QStringList samples;
  for (const Sample& s : SamplesOf(set))
    samples << QStringLiteral("%1/%2").arg(s.height).arg(s.value);
  return set.present ? samples.join(' ') : QStringLiteral("-");
}

}  // namespace

class TestCoreDerived : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void trailers_data() {
    QTest::addColumn<QList<QByteArray>>("trailer");
    QTest::addColumn<QString>("targets");  // the Targets list's lines joined by "|"
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("sets");      // the four sets after the checks, by ";"
    QTest::addColumn<QString>("switches");  // "up down"
    using L = QList<QByteArray>;
    QTest::newRow("nothing") << L{} << "" << false << "-;-;-;-"
                             << "-1 -1";
    QTest::newRow("switches, the later up wins")
        << L{"ELEVUP,45%", "elevup,46%"} << "Elevation Switch|Up @45%|Up @46%" << true << "-;-;-;-"
        << "46 -1";
    QTest::newRow("a third switch is stored, not listed")
        << L{"ELEVUP,45%", "ELEVDOWN,47%", "ELEVDOWN,9%"} << "Elevation Switch|Up @45%|Down @47%"
        << true << "-;-;-;-"
        << "45 9";
    QTest::newRow("sorted sets, the list in file order")
        << L{"Loaded Up Samples", "50%,13107", "10%,8192", "20%,1", "20%,2", "-3%,0"}
        << "Loaded Up|50%=1.00V|10%=0.62V|20%=0.00V|20%=0.00V|  -3%=0.00V" << true
        << "-3/0 10/8192 20/1 20/2 50/13107;-;-;-"
        << "-1 -1";
    QTest::newRow("only set 1: listed but not enabled")
        << L{"Empty Up Samples", "5%,1"} << "Empty Up|  5%=0.00V" << false << "-;5/1;-;-"
        << "-1 -1";
    QTest::newRow("an empty line between blocks, none for an empty block")
        << L{"ELEVDOWN,3%", "Empty Down Samples", "Loaded Down Samples", "7%,2"}
        << "Elevation Switch|Down @3%||Loaded Down|  7%=0.00V" << true << "-;-;7/2;-"
        << "-1 3";
    QTest::newRow("a heading again starts its set over, later slots stay")
        << L{"Empty Up Samples", "5%,1", "6%,2", "7%,3", "Empty Up Samples", "9%,4"}
        << "Empty Up|  5%=0.00V|  6%=0.00V|  7%=0.00V||Empty Up|  9%=0.00V" << false
        << "-;6/2 7/3 9/4;-;-"
        << "-1 -1";
  }
  void trailers() {
    QFETCH(QList<QByteArray>, trailer);
    QFETCH(QString, targets);
    QFETCH(bool, enabled);
    QFETCH(QString, sets);
    QFETCH(QString, switches);
    // A refused third switch line still leaves what it took in.
    const CrvRead read = ReadTrailer(trailer);
    QCOMPARE(read.rows.size(), std::size_t{101});
    QCOMPARE(TargetsListLines(read).join('|'), targets);
    QCOMPARE(TargetsEnabled(read), enabled);
    QStringList checked;
    for (const SampleSlots& set : CheckedSampleSets(read)) checked << SetText(set);
    QCOMPARE(checked.join(';'), sets);
    QCOMPARE(QStringLiteral("%1 %2").arg(SwitchHeight(read, true)).arg(SwitchHeight(read, false)),
             switches);
  }

  void deltas_data() {
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("empty");
    QTest::addColumn<int>("delta");
    constexpr int max = std::numeric_limits<int32_t>::max();
    constexpr int min = std::numeric_limits<int32_t>::min();
    QTest::newRow("equal") << 500 << 500 << 0;
    QTest::newRow("negative") << 1000 << 9192 << -8192;
    QTest::newRow("exact below 2^24") << 16777215 << 0 << 16777215;
    QTest::newRow("single precision above 2^24") << 16777217 << 0 << 16777216;
    QTest::newRow("held at the top") << max << min << max;
    QTest::newRow("held at the bottom") << min << max << min;
  }
  void deltas() {
    QFETCH(int, loaded);
    QFETCH(int, empty);
    QFETCH(int, delta);
    Curve up{};
    Curve down{};
    up[100] = loaded;
    down[100] = empty;
    QCOMPARE(DeltaCurve(up, down)[100], delta);
    QCOMPARE(DeltaCurve(up, down)[0], 0);
  }

  // The curves of a read: the columns of its rows, and the deltas from them.
  void plottedCurves() {
    QTemporaryDir dir;
    const CrvRead read = ReadCrv(WriteCrv(dir, CrvBuilder().Bytes()));
    const PlottedCurves curves = PlottedOf(read);
    QCOMPARE(curves[0][0], 1000);     // Dynamic
    QCOMPARE(curves[1][100], 31000);  // Loaded Up
    QCOMPARE(curves[4][7], 9199);     // Empty Down
    QCOMPARE(curves[5][5], 20000);    // Delta Up
    QCOMPARE(curves[6][100], -8192);  // Delta Down
  }

  void listMarks_data() {
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<QList<int>>("marked");  // list lines, the caption being line 0
    QTest::newRow("none") << QList<int>{} << QList<int>{};
    QTest::newRow("ends and middle") << QList<int>{0, 50, 100} << QList<int>{1, 51, 101};
    QTest::newRow("outside 0..100 marks nothing") << QList<int>{-1, 101, 254} << QList<int>{};
    QTest::newRow("twice at one height") << QList<int>{20, 20} << QList<int>{21};
    QTest::newRow("after the empty slot nothing counts") << QList<int>{5, 255, 6} << QList<int>{6};
  }
  void listMarks() {
    QFETCH(QList<int>, heights);
    QFETCH(QList<int>, marked);
    SampleSlots set = EmptySlots();
    for (qsizetype i = 0; i < heights.size(); ++i) {
      set.height[static_cast<std::size_t>(i)] = static_cast<int16_t>(heights[i]);
    }
    Curve curve{};
    curve[100] = 20000;
    const std::vector<ListLine> lines = CurveListLines(kLoadedUp, curve, &set);
    QCOMPARE(lines.size(), std::size_t{102});
    QCOMPARE(lines[0].text, QStringLiteral("Loaded Up"));
    QCOMPARE(lines[101].text, QStringLiteral("100%=1.53V"));
    QList<int> got;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].marked) got.append(static_cast<int>(i));
    }
    QCOMPARE(got, marked);
    QCOMPARE(DeltaListLines(curve).size(), std::size_t{101});
    QCOMPARE(DeltaListLines(curve)[100].text, QStringLiteral("100%=1.53V"));
  }
};

QTEST_GUILESS_MAIN(TestCoreDerived)
#include "tst_core_derived.moc"
