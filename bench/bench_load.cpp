// What each stage of a load costs, on the two example files and on the
// longest file the reader accepts: the read with its lists on an offscreen
// main window, the difference curves with their lists, the chart window's
// load and first paint, and the value line text. And two of mirelda-crv's
// commands as it runs them: a calibration sheet, and a comparison of a pair.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "chartwindow/FrmChart.h"
#include "cli/CurveCompare.h"
#include "cli/CurveSnapshot.h"
#include "cli/FileOutcome.h"
#include "cli/sheet/CalibrationSheet.h"
#include "core/CrvRead.h"
#include "core/ValueLine.h"
#include "mainwindow/FrmCURVE.h"

using namespace CURVEroutines;

namespace {

// The main window without its chart window, so the read is timed alone.
class ReadOnlyWindow : public FrmCURVE {
 public:
  void ShowChart() override {}
};

// The longest file the reader accepts: 32767 lines, the rows, both elevation
// switches and every sample set full, the rest comments.
QString LongestFile(const QTemporaryDir& dir) {
  QByteArray bytes = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down\r\n";
  for (int r = 0; r <= 100; ++r) {
    bytes += QByteArray::number(r) + "%," + QByteArray::number(20000 + r) + "," +
             QByteArray::number(25000 + 20 * r) + "," + QByteArray::number(12500 + 20 * r) + "," +
             QByteArray::number(24800 + 20 * r) + "," + QByteArray::number(12300 + 20 * r) + "\r\n";
  }
  bytes += "ELEVUP,45%\r\nELEVDOWN,47%\r\n";
  int lines = 1 + 101 + 2;
  for (const char* heading :
       {"Loaded Up Samples", "Empty Up Samples", "Loaded Down Samples", "Empty Down Samples"}) {
    bytes += QByteArray(heading) + "\r\n";
    for (int n = 0; n < 48; ++n) bytes += QByteArray::number(n * 2) + "%,20000\r\n";
    lines += 49;
  }
  for (; lines < 32767; ++lines) bytes += "comment\r\n";
  const QString path = dir.filePath(QStringLiteral("LONGEST.CRV"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
  return path;
}

// Lines end at CR: every CRV file here ends its lines with CR LF.
QList<int64_t> LineCounts(const QStringList& paths) {
  QList<int64_t> counts;
  for (const QString& path : paths) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    counts.append(file.readAll().count('\r'));
  }
  return counts;
}

struct Files {
  QTemporaryDir dir;
  QStringList paths = {QStringLiteral(MIRELDA_EXAMPLES_DIR "/strain-car1.CRV"),
                       QStringLiteral(MIRELDA_EXAMPLES_DIR "/pressure-car2.CRV"), LongestFile(dir)};
  QList<int64_t> lines = LineCounts(paths);
};
Files& TheFiles() {
  static Files files;
  return files;
}
const QString& FileArg(const benchmark::State& state) {
  return TheFiles().paths[static_cast<qsizetype>(state.range(0))];
}
void PerLine(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                          TheFiles().lines[static_cast<qsizetype>(state.range(0))]);
}

void BM_ReadWithLists(benchmark::State& state) {
  ReadOnlyWindow window;
  for (auto _ : state) ReadCurveFile(FileArg(state));
  if (!window.mnuFilePrintChart().Enabled()) state.SkipWithError("the file did not read");
  PerLine(state);
}

// The core's read alone: the value of a file, without lists or tables.
void BM_ReadCrv(benchmark::State& state) {
  for (auto _ : state) {
    const core::CrvRead read = core::ReadCrv(FileArg(state), false);
    if (!read.Whole()) state.SkipWithError("the file did not read");
    benchmark::DoNotOptimize(read.rows.data());
  }
  PerLine(state);
}

void BM_DeltasAndLists(benchmark::State& state) {
  ReadOnlyWindow window;
  ReadCurveFile(FileArg(state));
  for (auto _ : state) {
    for (int16_t code = kDynamic; code <= kEmptyDown; ++code) FillCurveList(code);
    ComputeDelta(kLoadedUp, kEmptyUp, kDeltaUp);
    ComputeDelta(kLoadedDown, kEmptyDown, kDeltaDown);
  }
}

void BM_ChartLoadAndFirstPaint(benchmark::State& state) {
  ReadOnlyWindow window;
  ReadCurveFile(FileArg(state));
  QImage image(625, 502, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    FrmChart chart(&window);
    QPainter painter(&image);
    chart.PaintImage(painter);
  }
}

void BM_ValueLine(benchmark::State& state) {
  int32_t raw = -70000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ValueLine(static_cast<int16_t>(raw & 127), raw));
    raw += 997;
  }
}

// The sheet of a file, as report writes it, into memory.
void BM_Sheet(benchmark::State& state) {
  QByteArray pdf;
  for (auto _ : state) {
    cli::SheetInput input;
    input.run = cli::ReadSheetRun(FileArg(state));
    cli::MakeSheetChart(input);
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!cli::WriteSheet(input, buffer)) state.SkipWithError("the sheet was not drawn");
  }
  state.counters["bytes"] = static_cast<double>(pdf.size());
}

// Both files read, their curves taken from the two values and compared, the lines made.
void BM_ComparePair(benchmark::State& state) {
  const QString& reference = TheFiles().paths[0];
  const QString& file = TheFiles().paths[1];
  for (auto _ : state) {
    const cli::FileRead first = cli::ReadCrvFile(reference);
    const cli::FileRead second = cli::ReadCrvFile(file);
    if (!first.outcome.success || !second.outcome.success) state.SkipWithError("no read");
    const cli::CurveSnapshot before = cli::SnapshotOf(reference, first.read);
    const cli::CurveSnapshot after = cli::SnapshotOf(file, second.read);
    benchmark::DoNotOptimize(
        cli::DifferenceLines(cli::CompareCurves(before, after), QStringLiteral(".")));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void Files3(benchmark::internal::Benchmark* b) {
  b->ArgNames({"file"})->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_ReadWithLists)->Apply(Files3);
BENCHMARK(BM_ReadCrv)->Apply(Files3);
BENCHMARK(BM_DeltasAndLists)->Apply(Files3);
BENCHMARK(BM_ChartLoadAndFirstPaint)->Apply(Files3);
BENCHMARK(BM_ValueLine);
BENCHMARK(BM_Sheet)->Apply(Files3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComparePair)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QLocale::setDefault(QLocale::c());
  benchmark::AddCustomContext("files", "0 strain-car1.CRV, 1 pressure-car2.CRV, 2 32767 lines");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
