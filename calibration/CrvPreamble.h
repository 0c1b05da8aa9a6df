#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace CURVEroutines {

// One line before the header, its bytes as the reader splits lines (at CR or
// CR LF, a UTF-8 byte-order mark at the start dropped), of which only the
// first 4 KiB are kept.
struct PreambleLine {
  std::string head;
  bool truncated = false;
  std::uint64_t length = 0;  // of the whole line, in bytes
};

// The lines of the file at path before its header line; for a file without
// one, every line the reader would look at. Empty when it cannot be opened.
std::vector<PreambleLine> ReadPreamble(const QString& path);

}  // namespace CURVEroutines
