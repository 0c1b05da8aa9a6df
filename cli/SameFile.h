#pragma once

#include <QString>

#include "cli/Invocation.h"
#include "cli/Output.h"

namespace cli {

// True when a and b name one file: the same device and inode, whether by the
// same path, a symbolic link or a hard link. False when either cannot be
// found.
bool SameFile(const QString& a, const QString& b);

// A command that writes may not write over a file it reads, the file or the
// reference: a sheet given by mistake as the input would be lost. True, with
// the reason on standard error, when the output is one of them; checked
// before anything is read or written.
bool OutputOverInput(const Invocation& inv, Output& out);

}  // namespace cli
