#pragma once

#include <QString>
#include <QStringList>

#include "cli/Output.h"
#include "core/CrvRead.h"

namespace cli {

// How one CRV file read, in words that name the file only once.
struct FileOutcome {
  bool success = false;
  // "Success!", or what stopped it: "Problem at line N", "Could not fully
  // process", "Could not open file", or "the name does not end in .CRV" (the
  // viewer reads no other name).
  QString message;
  // Why, printed after the message: 'field 4 "014772": a leading zero', the
  // system's reason a file could not be opened. Empty when there is no more.
  QString reason;
  // What the reader logs after a success: "Empty Up Samples INVALID!", ...
  QStringList warnings;

  // "FILE: message: reason" or "FILE: message warnings...", the file as it
  // was named, on one line (PrintableName.h).
  QString Line(const QString& file) const;
  // The message and the reason alone, "Problem at line 43: field 4 ...", on one line.
  QString Text() const;
};

// Why a name is not read at all.
QString NotCrvText();

// One file read as the viewer reads a file named to it: a name that fails
// the viewer's test is not read at all.
struct FileRead {
  QString file;
  core::CrvRead read;
  FileOutcome outcome;

  // The file was opened, so it has lines to show.
  bool Opened() const { return read.Opened(); }
};

FileRead ReadCrvFile(const QString& file, bool keepPreamble = false);

// For the commands on one file: reads it and reports on standard error why
// it failed or, unless quiet, its warnings. The outcome says whether it
// read with success.
FileRead ReadOneFile(const QString& file, bool quiet, Output& out, bool keepPreamble = false);

}  // namespace cli
