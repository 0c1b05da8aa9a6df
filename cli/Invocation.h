#pragma once

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// The chart window's client area as designed (9375 x 7530 twips), in pixels:
// the charts and the sheet's chart are drawn at it unless asked otherwise.
inline constexpr QSize kWindowChartSize(625, 502);

enum class Action { Help, Version, Check, List, Chart, Info, Compare, Report };

// What the command line asks for, once its words are understood.
struct Invocation {
  Action action = Action::Help;
  bool quiet = false;
  bool recursive = false;  // check: walk directories for CRV files
  bool csv = false;        // list, compare: one row per height instead of text
  bool json = false;       // check, info: one JSON object per file and line
  bool marks = false;      // chart: target samples and elevation switches drawn
  // check: the files and directories; list: the file, then the curve if
  // given; chart, info, report: the file; compare: the reference, then the file.
  QStringList operands;
  QString output;     // chart, report: the file written
  QString reference;  // chart, report: the run drawn and compared beside the file
  // compare, report: the largest difference in volts that still passes.
  std::optional<double> tolerance;
  // report: who and where, for what the file does not say; issued today unless given.
  QString site;
  QString technician;
  QDate issued;
  // chart: in pixels; the chart window's client area unless given.
  QSize size = kWindowChartSize;
  // chart, PNG only: image pixels to one of the window, 1 to 4; 1 unless given.
  std::optional<double> scale;
};

// An Invocation, or the usage error that stops the program with status 2.
struct Parsed {
  Invocation invocation;
  QString error;  // empty when the words make sense
};

// The words after the program's name.
Parsed ParseArguments(const QStringList& words);

}  // namespace cli
