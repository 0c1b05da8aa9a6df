// The chart mirelda-crv draws of a run: the file's curves, with a reference
// the reference's own curves on the range and divisions over both runs, and
// the switch lines at their own heights.
#include <QTest>

#include "cli/ChartExtras.h"
#include "core/ChartScale.h"

namespace {

// A run whose curve c reads base + step * c + h at height h.
cli::CurveSnapshot Run(const QString& path, int32_t base, int32_t step, int16_t up, int16_t down) {
  cli::CurveSnapshot run;
  run.path = path;
  for (int c = 0; c < cli::kPlotted; ++c) {
    for (int h = 0; h < cli::kHeights; ++h) {
      run.raw[static_cast<std::size_t>(c)][static_cast<std::size_t>(h)] = base + step * c + h;
    }
  }
  run.elevUp = up;
  run.elevDown = down;
  return run;
}

}  // namespace

class CliChart : public QObject {
  Q_OBJECT

 private slots:
  void runChart_data() {
    QTest::addColumn<int>("referenceBase");  // 0: no reference
    QTest::addColumn<bool>("marks");
    QTest::addColumn<QString>("axis");
    QTest::newRow("alone") << 0 << false << "STRAIN (mV)";
    QTest::newRow("alone, marked") << 0 << true << "STRAIN (mV)";
    QTest::newRow("reference above") << 40000 << false << "PRESSURE (V)";
    QTest::newRow("reference below, marked") << 2000 << true << "PRESSURE (V)";
  }

  void runChart() {
    QFETCH(int, referenceBase);
    QFETCH(bool, marks);
    QFETCH(QString, axis);
    const cli::CurveSnapshot file = Run("d/this.CRV", 15000, 1000, 40, 62);
    const cli::CurveSnapshot other = Run("d/last.CRV", referenceBase, 300, 41, 63);
    const cli::CurveSnapshot* reference = referenceBase != 0 ? &other : nullptr;
    const chart::ChartContent chart = cli::RunChart(file, reference, marks);
    const cli::ChartScale scale = cli::ScaleOver(file, reference);

    QCOMPARE(chart.yTitle, axis);
    QCOMPARE(chart.minimum, scale.minimum);
    QCOMPARE(chart.maximum, scale.maximum);
    // One division per half unit of the range over both runs.
    QCOMPARE(chart.divisions, core::MajorDivisions(scale.minimum, scale.maximum));
    QCOMPARE(chart.rowLabels.size(), 101);
    const double factor = core::SensorFactor(scale.sensorKind);
    const auto curves = [&](const std::vector<chart::ChartSeries>& drawn,
                            const cli::CurveSnapshot& run) {
      QCOMPARE(drawn.size(), std::size_t{7});
      for (std::size_t c = 0; c < 7; ++c) {
        for (const int h : {0, 50, 100}) {
          QCOMPARE(drawn[c].values[h], core::ScaledValue(run.raw[c][h], factor));
        }
      }
    };
    curves(chart.series, file);
    if (reference != nullptr) {
      curves(chart.reference, other);
      QCOMPARE(chart.runName, QStringLiteral("this.CRV"));
      QCOMPARE(chart.referenceName, QStringLiteral("last.CRV"));
    } else {
      QVERIFY(chart.reference.empty());
    }
    QCOMPARE(chart.switches.size(), std::size_t{marks ? 2u : 0u});
    if (marks) {
      QCOMPARE(chart.switches[0].row, 40);
      QCOMPARE(chart.switches[0].label, QStringLiteral("Up"));
      QCOMPARE(chart.switches[1].row, 62);
      QCOMPARE(chart.switches[1].label, QStringLiteral("Down"));
    }
  }
};

QTEST_MAIN(CliChart)
#include "tst_cli_chart.moc"
