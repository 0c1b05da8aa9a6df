#include "CrvPreamble.h"

#include "CrvLines.h"
#include "TextLineReader.h"

namespace CURVEroutines {

std::vector<PreambleLine> ReadPreamble(const QString& path) {
  std::vector<PreambleLine> lines;
  platform::TextLineReader file;
  if (!file.Open(path)) return lines;
  platform::TextLine line;
  while (lines.size() < static_cast<std::size_t>(kLastLineNumber) &&
         file.Next(line) == platform::TextLineReader::Result::Line &&
         !IsHeaderLine(line.head, line.truncated)) {
    lines.push_back({line.head, line.truncated, line.length});
  }
  return lines;
}

}  // namespace CURVEroutines
