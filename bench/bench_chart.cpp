// What one paint of the chart costs: a normal file and a zigzag one (every
// reading jumps between 0 and 65535 from one height to the next) at the
// window's size and at 3840 x 2100, and the chart window's own paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

#include "calibration/CURVEroutines.h"
#include "chart/ChartLayout.h"
#include "chart/PaintChart.h"
#include "chartwindow/FrmChart.h"
#include "mainwindow/FrmCURVE.h"

namespace {

class ReadOnlyWindow : public FrmCURVE {
 public:
  void ShowChart() override {}
};

QString ZigzagFile(const QTemporaryDir& dir) {
  QByteArray bytes = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down\r\n";
  for (int r = 0; r <= 100; ++r) {
    const QByteArray high = "65535";
    const QByteArray low = "0";
    const bool up = r % 2 == 0;
    // Loaded and empty in opposite phase, so the differences jump as well.
    bytes += QByteArray::number(r) + "%," + (up ? high : low) + "," + (up ? high : low) + "," +
             (up ? low : high) + "," + (up ? high : low) + "," + (up ? low : high) + "\r\n";
  }
  const QString path = dir.filePath(QStringLiteral("ZIGZAG.CRV"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
  return path;
}

struct Charts {
  QTemporaryDir dir;
  chart::ChartContent normal;
  chart::ChartContent zigzag;
  Charts() {
    normal = ContentOf(QStringLiteral(MIRELDA_EXAMPLES_DIR "/strain-car1.CRV"));
    zigzag = ContentOf(ZigzagFile(dir));
  }
  static chart::ChartContent ContentOf(const QString& path) {
    ReadOnlyWindow window;
    CURVEroutines::ReadCurveFile(path);
    if (!window.mnuFilePrintChart().Enabled()) std::abort();
    FrmChart chart(&window);
    return chart.MSChart1().Content();
  }
};
Charts& TheCharts() {
  static Charts charts;
  return charts;
}

void BM_ChartPaint(benchmark::State& state) {
  const chart::ChartContent& content =
      state.range(0) == 0 ? TheCharts().normal : TheCharts().zigzag;
  const QSize size(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  const chart::ChartLayout layout = chart::LayOutChart(content, size);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    chart::PaintChart(painter, layout);
  }
}

// The chart window as it repaints itself at its size, layout included.
void BM_ChartWindowPaint(benchmark::State& state) {
  ReadOnlyWindow window;
  CURVEroutines::ReadCurveFile(QStringLiteral(MIRELDA_EXAMPLES_DIR "/strain-car1.CRV"));
  FrmChart chart(&window);
  chart.Form_Resize();
  QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    chart.MSChart1().Refresh();
    QPainter painter(&image);
    chart.PaintImage(painter);
  }
}

BENCHMARK(BM_ChartPaint)
    ->ArgNames({"zigzag", "w", "h"})
    ->Args({0, 625, 502})
    ->Args({1, 625, 502})
    ->Args({0, 3840, 2100})
    ->Args({1, 3840, 2100})
    // Qt may blend a large fill on helper threads: their time counts too.
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartWindowPaint)->Unit(benchmark::kMillisecond);

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
