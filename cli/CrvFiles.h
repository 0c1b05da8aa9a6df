#pragma once

#include <QString>
#include <functional>

namespace cli {

inline const QString kNotWalked = QStringLiteral("is a folder (use --recursive)");

// Hands each file that one command-line operand names to file, in order: the
// operand itself, or, for a directory with recursive set, every file under it
// (hidden ones and those in hidden directories too) whose name ends in ".CRV"
// in any letter case, in the byte order of the names within each directory.
// Names are read by their bytes (FileName.h). Linked directories are not
// entered, so no loop is walked.
// What cannot be walked is handed to problem with a message: a directory
// without recursive (kNotWalked), a directory that cannot be read.
void ForEachCrvFile(
    const QString& operand, bool recursive, const std::function<void(const QString& file)>& file,
    const std::function<void(const QString& path, const QString& message)>& problem);

}  // namespace cli
