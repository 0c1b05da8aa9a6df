#pragma once

#include <QString>
#include <QStringList>

#include "Output.h"
#include "core/CrvRead.h"

namespace cli {

// How one CRV file read, in the reader's own words.
struct FileOutcome {
  bool success = false;
  // "Success!", or the reader's message: "Problem with FILE at line N",
  // "Could not open file!", "Could not fully process FILE"; or the viewer's
  // refusal of a name that does not end in ".CRV".
  QString message;
  // Why the reader stopped, printed after its message: 'field 4 "014772": a
  // leading zero'. Empty when it says nothing more.
  QString reason;
  // What the reader logs after a success: "Empty Up Samples INVALID!", ...
  QStringList warnings;

  // "FILE: message: reason" or "FILE: message warnings...", the file as it
  // was named, on one line (PrintableName.h).
  QString Line(const QString& file) const;
  // The message and the reason alone, "Problem with F at line 43: field 4 ...", on one line.
  QString Text() const;
};

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
FileRead ReadOneFile(const QString& file, bool quiet, Output& out);

}  // namespace cli
