#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "core/CrvRead.h"

// What ties a sheet to its file: the file's identifier and the facts its own
// lines give.
namespace cli {

// The first 12 hex digits of the SHA-256 of the file's bytes, or an empty
// text when it cannot be read whole.
QString FileIdentifier(const QString& path);

// The value of the first line "key: value" among lines (an ASCII key in any
// letter case, spaces around the value dropped), decoded and on one line;
// empty when no line has it.
QString HeaderField(const std::vector<core::PreambleLine>& lines, const QString& key);

// Lines of the file's own text as a sheet shows them: the first few,
// decoded (UTF-8, else Windows-1252) and on one line each, and how many of
// those read were left out.
struct ShownLines {
  QStringList lines;
  std::size_t leftOut = 0;
};
ShownLines FirstLines(const std::vector<core::PreambleLine>& lines, std::size_t total,
                      std::size_t shown);

}  // namespace cli
