#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ChartExtras.h"
#include "CurveSnapshot.h"
#include "FileOutcome.h"
#include "chart/ChartContent.h"

class QIODevice;

namespace cli {

// One run as the sheet shows it.
struct SheetRun {
  QString file;
  FileOutcome outcome;
  bool opened = false;
  QStringList preamble;                 // printable, as info shows it
  std::optional<CurveSnapshot> curves;  // when the file read with success
};

// What a calibration sheet shows: the file, and the reference it is compared with.
struct SheetInput {
  SheetRun run;
  std::optional<SheetRun> reference;
  ChartScale scale;                          // the file's own, as the chart window draws it
  std::optional<chart::ChartContent> chart;  // with marks and the reference
};

// Reads one file for the sheet.
SheetRun ReadSheetRun(const QString& file);

// The chart of a run that read, with its marks and, when given, the
// reference; sets input's scale and chart.
void MakeSheetChart(SheetInput& input);

// Writes the sheet as an A4 PDF of text and lines; false when it could not be drawn.
bool WriteSheet(const SheetInput& input, QIODevice& device);

}  // namespace cli
