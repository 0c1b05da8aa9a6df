// Benchmarks: reading the strain example with ReadCurveFile (all lists filled,
// as after a load in the viewer), and formatting one value line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "CURVEroutines.h"
#include "FakeCurveWindow.h"
#include "ValueLine.h"

using namespace CURVEroutines;

namespace {

void BM_ReadStrainExample(benchmark::State& state) {
  FakeCurveWindow window;
  const QString path = QStringLiteral(MIRELDA_EXAMPLES_DIR "/strain-car1.CRV");
  for (auto _ : state) {
    window.events.clear();
    ReadCurveFile(path);
  }
  if (!window.mnuFilePrintChart().Enabled()) state.SkipWithError("the example did not read");
}
BENCHMARK(BM_ReadStrainExample)->Unit(benchmark::kMicrosecond);

void BM_ValueLine(benchmark::State& state) {
  int32_t raw = -70000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ValueLine(static_cast<int16_t>(raw & 127), raw));
    raw += 997;
  }
}
BENCHMARK(BM_ValueLine);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QLocale::setDefault(QLocale::c());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
