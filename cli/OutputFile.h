#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace cli {

// Why the program may not write to path, or an empty string when it may. It
// writes only a new name or an existing regular file: never a device, FIFO,
// socket or directory, and never through a symbolic link (which may lead
// anywhere, and as root would replace what it points to). An existing file
// must be writable by its mode bits, even for root, so that a read-only file
// is never replaced.
QString OutputFileProblem(const QString& path);

// Replaces the file at path (named by its bytes, FileName.h) with bytes, or
// creates it, so that it holds either its old content or all of the new:
// the bytes go to a new file in its folder, each write checked, synced and
// renamed over it; a replaced file keeps its permissions, and its owner when
// root replaces it. The new file has no name while it is written (where the
// system allows) and a temporary one only for the instant before the rename,
// which a signal that stops the program removes. On failure the old file is
// untouched, nothing is left behind, and error says why in the system's
// words ("No space left on device").
bool WriteOutputFile(const QString& path, const QByteArray& bytes, QString& error);

// The same for content made by produce, which writes it to the device given
// (in memory, so that no device error goes unseen) and returns false, with
// error set, when it cannot; nothing is produced for a path that cannot be
// written.
bool WriteOutputFile(const QString& path,
                     const std::function<bool(QIODevice& device, QString& error)>& produce,
                     QString& error);

}  // namespace cli
