// What a read leaves in the tables, the lists and the controls, after success
// and after failure; the delta curves and the target sort.
#include <QLocale>
#include <QtTest>
#include <limits>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "core/ValueLine.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/calibration/FakeCurveWindow.h"

using namespace CURVEroutines;

namespace {

// The heights of a sample set up to its end marker, as "h:v".
QStringList SampleSet(int set) {
  QStringList samples;
  for (int slot = 0; slot < kSampleSlots && SampleHeight(set, slot) != kEmptySlot; ++slot) {
    samples.append(
        QStringLiteral("%1:%2").arg(SampleHeight(set, slot)).arg(SampleValue(set, slot)));
  }
  return samples;
}

// The indexes of the selected lines of a list.
QList<int> SelectedLines(FakeCurveWindow& window, int16_t code) {
  QList<int> selected;
  for (int i = 0; i < window.ListData(code).ListCount(); ++i) {
    if (window.ListData(code).Selected(i)) selected.append(i);
  }
  return selected;
}

void Read(const QTemporaryDir& dir, const CrvBuilder& crv, const QString& name = "t.CRV") {
  ReadCurveFile(WriteCrv(dir, crv.Bytes(), name));
}

}  // namespace

class TestReaderState : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void successFillsEverything() {
    QTemporaryDir dir;
    CrvBuilder crv;
    crv.trailer = {
        "Loaded Up Samples",  "50%,1", "10%,2", "30%,3", "20%,4", "20%,5", "-3%,6", "150%,7",
        "Empty Down Samples", "100%,9"};
    FakeCurveWindow window;
    Read(dir, crv);

    QCOMPARE(CurveFilePath, dir.filePath("t.CRV"));
    for (int16_t code = kDynamic; code <= kEmptyDown; ++code) QVERIFY(CurvePresent(code));
    QVERIFY(DeltaPresent(kDeltaUp) && DeltaPresent(kDeltaDown));
    QCOMPARE(CurveValues(kDynamic, 0), 1000);
    QCOMPARE(CurveValues(kLoadedUp, 100), 31000);
    QCOMPARE(CurveValues(kEmptyDown, 7), 9199);
    QCOMPARE(DeltaValues(kDeltaUp, 5), 20000);
    QCOMPARE(DeltaValues(kDeltaDown, 100), -8192);

    // Sorted by height, values with them, equal heights in file order.
    QCOMPARE(SampleSet(0), (QStringList{"-3:6", "10:2", "20:4", "20:5", "30:3", "50:1", "150:7"}));
    QCOMPARE(SampleSet(3), QStringList{"100:9"});
    QCOMPARE(SampleSet(1), QStringList{});
    QVERIFY(SamplesPresent(0) && !SamplesPresent(1) && !SamplesPresent(2) && SamplesPresent(3));

    // Curve lists: caption then heights 0..100; sample heights in 0..100 selected.
    for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
      QCOMPARE(window.ListData(code).ListCount(), 102);
      QCOMPARE(window.ListData(code).List(0), CurveCaption(code));
      QVERIFY(window.ListData(code).Enabled() && window.ListSelect(code).Enabled());
    }
    QCOMPARE(window.ListData(kLoadedUp).List(1), QStringLiteral("  0%=2.29V"));
    QCOMPARE(window.ListData(kLoadedUp).List(101), QStringLiteral("100%=2.37V"));
    QCOMPARE(SelectedLines(window, kLoadedUp), (QList<int>{11, 21, 31, 51}));
    QCOMPARE(SelectedLines(window, kEmptyDown), QList<int>{101});
    QCOMPARE(SelectedLines(window, kDynamic), QList<int>{});
    QCOMPARE(SelectedLines(window, kEmptyUp), QList<int>{});

    // Delta lists: no caption, 101 lines.
    for (int16_t code : {kDeltaUp, kDeltaDown}) {
      QCOMPARE(window.ListData(code).ListCount(), 101);
      QVERIFY(window.ListData(code).Enabled() && window.ListSelect(code).Enabled());
    }
    QCOMPARE(window.ListData(kDeltaUp).List(5), QStringLiteral("  5%=1.53V"));
    QCOMPARE(window.ListData(kDeltaDown).List(100), QStringLiteral("100%=-0.62V"));

    QVERIFY(window.ListSelect(kTargets).Value() && window.ListSelect(kTargets).Enabled());
    QVERIFY(window.mnuFilePrintChart().Enabled());
  }

  void failureKeepsWhatWasRead() {
    QTemporaryDir dir;
    FakeCurveWindow window;
    Read(dir, CrvBuilder(), "good.CRV");
    const QString goodPath = CurveFilePath;

    CrvBuilder bad;
    bad.trailer = {"ELEVUP,45%", "ELEVDOWN,47%", "ELEVUP,46%"};
    Read(dir, bad);
    QCOMPARE(CurveFilePath, goodPath);
    QCOMPARE(ElevUpHeight, int16_t{46});  // the third line's height was stored before the error
    QCOMPARE(ElevDownHeight, int16_t{47});
    for (int16_t code = kDynamic; code <= kEmptyDown; ++code) QVERIFY(!CurvePresent(code));
    QVERIFY(!DeltaPresent(kDeltaUp) && !DeltaPresent(kDeltaDown));
    for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
      QVERIFY(!window.ListSelect(code).Value());
      QCOMPARE(window.ListSelect(code).Enabled(), code == kTargets);
    }
    // Lists of the earlier file stay, hidden.
    QCOMPARE(window.ListData(kDynamic).ListCount(), 102);

    // A file cut short: its rows are stored but nothing counts, and the reset cleared the rest.
    CrvBuilder cut;
    cut.rows = 40;
    Read(dir, cut);
    QCOMPARE(ElevUpHeight, int16_t{-1});
    QCOMPARE(window.Lines(kTargets), QStringList{});
    QCOMPARE(CurveValues(kDynamic, 39), 1039);
  }

  void sampleLimits() {
    QTemporaryDir dir;
    FakeCurveWindow window;
    CrvBuilder crv;
    for (int set = 0; set < kSampleSets; ++set) {
      crv.trailer.append(CurveCaption(static_cast<int16_t>(set)).toLatin1());
      for (int i = 0; i < 49; ++i)
        crv.trailer.append(QByteArray::number(i) + "%," + QByteArray::number(set));
    }
    Read(dir, crv);
    QVERIFY(window.mnuFilePrintChart().Enabled());
    for (int set = 0; set < kSampleSets; ++set) {
      QCOMPARE(SampleSet(set).size(), 49);
      QCOMPARE(SampleHeight(set, 49), kEmptySlot);
      QCOMPARE(SampleHeight(set, 50), kEmptySlot);
    }

    // The 50th sample after one heading is stored and listed, then refused.
    crv.trailer = {"Empty Up Samples"};
    for (int i = 0; i < 50; ++i) crv.trailer.append(QByteArray::number(i) + "%,7");
    Read(dir, crv);
    QCOMPARE(window.Log().last(),
             QStringLiteral("Problem at line %1!").arg(crv.TrailerLine() + 50));
    QCOMPARE(SampleHeight(1, 49), int16_t{49});
    QCOMPARE(SampleHeight(1, 50), kEmptySlot);
    QCOMPARE(window.Lines(kTargets).last(), QStringLiteral("49%=0.00V"));

    // A repeated heading starts over at slot 0; later slots keep earlier samples.
    crv.trailer = {"Empty Up Samples", "5%,1", "6%,2", "7%,3", "Empty Up Samples", "9%,4"};
    Read(dir, crv);
    QCOMPARE(SampleSet(1), (QStringList{"6:2", "7:3", "9:4"}));
  }

  void targetsButtonOnlyFromLoadedUpOrElevation() {
    QTemporaryDir dir;
    FakeCurveWindow window;
    CrvBuilder crv;
    crv.trailer = {"Empty Up Samples", "5%,1"};
    Read(dir, crv);
    QVERIFY(!window.ListSelect(kTargets).Enabled());
    QCOMPARE(window.ListData(kTargets).ListCount(), 2);
  }

  void deltaRange_data() {
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("empty");
    QTest::addColumn<int>("delta");
    constexpr int max = std::numeric_limits<int32_t>::max();
    constexpr int min = std::numeric_limits<int32_t>::min();
    QTest::newRow("equal") << 500 << 500 << 0;
    QTest::newRow("exact below 2^24") << 16777215 << 0 << 16777215;
    QTest::newRow("single precision above 2^24") << 16777217 << 0 << 16777216;
    QTest::newRow("clamped high") << max << min << max;
    QTest::newRow("clamped low") << min << max << min;
    QTest::newRow("max itself") << max << 0 << max;
  }
  void deltaRange() {
    QFETCH(int, loaded);
    QFETCH(int, empty);
    QFETCH(int, delta);
    FakeCurveWindow window;
    CurvePresent.Fill(true);
    CurveValues(kLoadedUp, 0) = loaded;
    CurveValues(kEmptyUp, 0) = empty;
    ComputeDelta(kLoadedUp, kEmptyUp, kDeltaUp);
    QCOMPARE(DeltaValues(kDeltaUp, 0), delta);
    QCOMPARE(window.ListData(kDeltaUp).List(0), ValueLine(0, delta));
  }

  void deltaWithoutSourceCurve() {
    FakeCurveWindow window;
    CurvePresent.Fill(true);
    ComputeDelta(kLoadedDown, kEmptyDown, kDeltaDown);
    DeltaValues(kDeltaDown, 3) = 1234;
    CurvePresent(kEmptyDown) = false;
    ComputeDelta(kLoadedDown, kEmptyDown, kDeltaDown);
    QVERIFY(!DeltaPresent(kDeltaDown));
    QCOMPARE(window.ListData(kDeltaDown).ListCount(), 0);
    QVERIFY(!window.ListData(kDeltaDown).Enabled() && !window.ListSelect(kDeltaDown).Enabled());
    QCOMPARE(DeltaValues(kDeltaDown, 3), 1234);
    QCOMPARE(window.events, QStringList{});
  }

  // A point pressed on the chart: its curve's list alone, the line current
  // and flashed, each state of its mark repainted at once.
  void pointSelection_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("unmarked line")
        << 1 << 51 << QStringList{"click: 242", "repaint: 242:51*", "repaint: 242:51"};
    QTest::newRow("marked line") << 1 << 11
                                 << QStringList{"click: 242", "repaint: 242:11",
                                                "repaint: 242:11*"};
    QTest::newRow("difference curve, last line")
        << 6 << 100 << QStringList{"click: 247", "repaint: 247:100*", "repaint: 247:100"};
  }
  void pointSelection() {
    QFETCH(int, series);
    QFETCH(int, line);
    QFETCH(QStringList, events);
    QTemporaryDir dir;
    FakeCurveWindow window;
    CrvBuilder crv;
    crv.trailer = {"Loaded Up Samples", "10%,1"};
    Read(dir, crv);
    window.events.clear();
    ShowCurvePoint(static_cast<int16_t>(series), static_cast<int16_t>(line));
    QCOMPARE(window.events, events);
  }

  void germanLists() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    FakeCurveWindow window;
    Read(dir, CrvBuilder());
    QCOMPARE(window.ListData(kDeltaUp).List(100), QStringLiteral("100%=1,53V"));
  }
};

QTEST_MAIN(TestReaderState)
#include "tst_calib_reader_state.moc"
