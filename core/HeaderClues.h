#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Why a file has no header line, when the lines before it say so: the header
// is there but lines end in LF only, the file is UTF-16, or a line would be
// the header but for blanks, a trailing comma and the like. The viewer never
// shows this; mirelda-crv prints it after "Could not fully process".
namespace core {

enum class HeaderFault : int8_t {
  Unknown,    // nothing before the end looks like the header
  Empty,      // the file has no line at all
  Utf16,      // a byte-order mark or every other byte NUL
  Utf32,      // a byte-order mark or three bytes in four NUL
  NulBytes,   // NUL bytes in another pattern: not ASCII text
  LfOnly,     // the header is there once lines are split at LF as well
  NearHeader  // a line is the header but for what differences says
};

// What keeps a line from being the header. Letter case never does: the
// header is accepted in any case.
enum HeaderDifference : uint8_t {
  kBlanks = 1,         // spaces or tabs added, dropped or doubled
  kTrailingComma = 2,  // one or more commas at the end
  kSemicolons = 4,     // semicolons where the commas go
  kTabs = 8,           // tabs where the commas go
  kQuotes = 16,        // quotation marks around the names
};

struct HeaderReason {
  HeaderFault fault = HeaderFault::Unknown;
  int32_t line = 0;         // the line it was seen on, counted from 1; 0 for none
  uint8_t differences = 0;  // for NearHeader, and LfOnly with a near header
};

// The differences that keep line from being the header: 0 for the header
// itself, nothing for a line that is not near it.
std::optional<uint8_t> HeaderDifferences(std::string_view line);

// Fed with every line before the header, in file order, as the reader splits
// them; keeps only the first clue of each kind, so memory stays bounded.
class HeaderClues {
 public:
  void See(std::string_view head, bool truncated);
  HeaderReason Reason() const;

 private:
  int32_t lines_ = 0;
  HeaderReason encoding_;
  HeaderReason lfOnly_;
  HeaderReason near_;
};

// A short name of the reason for scripts ("lf-only", "near-header", ...).
std::string_view HeaderFaultName(HeaderFault fault);

// The reason in words, after "Could not fully process FILE: ".
std::string HeaderReasonText(const HeaderReason& reason);

}  // namespace core
