#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

enum class Action { Help, Version, Check, List, Chart };

// What the command line asks for, once its words are understood.
struct Invocation {
  Action action = Action::Help;
  bool quiet = false;
  bool recursive = false;  // check: walk directories for CRV files
  bool csv = false;        // list: one row per height instead of list text
  // check: the files and directories; list: the file, then the curve if
  // given; chart: the file.
  QStringList operands;
  QString output;  // chart: the file written
  // chart: in pixels; the chart window's client area unless given.
  QSize size{625, 502};
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
