#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "chart/ChartContent.h"
#include "cli/ChartExtras.h"
#include "cli/CurveSnapshot.h"
#include "cli/FileOutcome.h"
#include "cli/sheet/SheetIdentity.h"

class QIODevice;

namespace cli {

// One run as the sheet shows it.
struct SheetRun {
  QString file;
  FileOutcome outcome;
  core::ReadEnd end = core::ReadEnd::CouldNotOpen;
  int32_t problemLine = 0;
  std::string openFailure;
  bool opened = false;
  bool nameRead = false;  // the name passed the viewer's test, so the file was read
  QString identifier;     // FileIdentifier; empty when the file cannot be read
  // From the lines before the header; empty when they do not say.
  QString installation;
  QString runText;
  QString sensor;
  ShownLines preamble;
  ShownLines remarks;
  std::optional<CurveSnapshot> curves;  // when the file read with success
};

// Who, where and when, for what the file does not say.
struct SheetPeople {
  QString site;
  QString technician;
  QDate issued;
};

// What a calibration sheet shows: the file, and the reference it is compared with.
struct SheetInput {
  SheetRun run;
  std::optional<SheetRun> reference;
  SheetPeople people;
  std::optional<double> tolerance;  // a verdict is given only with one
  ChartScale scale;                 // the chart's, as drawn with the reference
  QString fileKind;                 // each run's sensor kind on its own
  QString referenceKind;
  std::optional<chart::ChartContent> chart;  // with marks and the reference
};

// Reads one file for the sheet.
SheetRun ReadSheetRun(const QString& file);

// The chart of a run that read, with its marks and, when given, the
// reference; sets input's scale, kinds and chart.
void MakeSheetChart(SheetInput& input);

// Whether every curve lies within the tolerance; true without one.
bool Within(const SheetInput& input);

// Writes the sheet as an A4 PDF of text and lines; false when it could not be drawn.
bool WriteSheet(const SheetInput& input, QIODevice& device);

}  // namespace cli
