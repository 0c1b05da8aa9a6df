#include "core/HeaderClues.h"

#include <array>

#include "core/AsciiCase.h"
#include "core/CrvLines.h"

namespace core {

namespace {

constexpr std::string_view kHeaderWithoutBlanks =
    "HEIGHT,DYNAMIC,LOADEDUP,EMPTYUP,LOADEDDOWN,EMPTYDOWN";
constexpr std::string_view kHeaderShown =
    "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";

// A line much longer than the header is no near miss; this also bounds the work.
constexpr std::size_t kLongestNearHeader = 4 * kHeaderUpper.size();
// Enough of a line to tell its encoding from the pattern of its NUL bytes.
constexpr std::size_t kEncodingSample = 64;

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The encoding a line betrays by a byte-order mark at the start of the file
// or by its NUL bytes; Unknown for a line without NUL bytes.
HeaderFault EncodingOf(std::string_view head, bool firstLine) {
  if (firstLine) {
    if (head.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
        head.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
      return HeaderFault::Utf32;
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) return HeaderFault::Utf16;
  }
  const std::string_view sample = head.substr(0, kEncodingSample);
  std::array<std::size_t, 2> nulAt{};  // at even and at odd offsets
  for (std::size_t i = 0; i < sample.size(); ++i) {
    if (sample[i] == '\0') ++nulAt[i % 2];
  }
  const std::size_t nul = nulAt[0] + nulAt[1];
  if (nul == 0) return HeaderFault::Unknown;
  if (sample.size() >= 4 && nul * 10 >= sample.size() * 7) return HeaderFault::Utf32;
  // ASCII text in UTF-16 is every other byte NUL; a CR splits it on either side.
  if ((nulAt[0] == 0 || nulAt[1] == 0) && nul * 10 >= sample.size() * 4) return HeaderFault::Utf16;
  return HeaderFault::NulBytes;
}

std::string DifferenceWords(uint8_t differences) {
  static constexpr std::array<std::pair<uint8_t, std::string_view>, 5> kWords = {{
      {kBlanks, "blanks"},
      {kTrailingComma, "a trailing comma"},
      {kSemicolons, "semicolons for commas"},
      {kTabs, "tabs for commas"},
      {kQuotes, "quotation marks"},
  }};
  std::string words;
  std::size_t left = 0;
  for (const auto& [bit, word] : kWords) left += (differences & bit) != 0;
  for (const auto& [bit, word] : kWords) {
    if ((differences & bit) == 0) continue;
    words += word;
    --left;
    words += left > 1 ? ", " : left == 1 ? " and " : "";
  }
  return words;
}

}  // namespace

std::optional<uint8_t> HeaderDifferences(std::string_view line) {
  if (line.size() > kLongestNearHeader) return std::nullopt;
  // Cheap test first, as every line before a header comes here: blanks and
  // quotation marks aside, the header starts with its H.
  const std::size_t first = line.find_first_not_of(" \t\"");
  if (first == std::string_view::npos || AsciiUpper(line[first]) != 'H') return std::nullopt;
  uint8_t differences = 0;
  std::string text;
  for (const char c : line) {
    if (c == '"') {
      differences |= kQuotes;
    } else {
      text += c;
    }
  }
  // A spreadsheet saves with another separator only where it writes no comma.
  if (text.find(',') == std::string::npos) {
    const bool semicolons = text.find(';') != std::string::npos;
    const char separator = semicolons ? ';' : '\t';
    if (semicolons || text.find('\t') != std::string::npos) {
      differences |= semicolons ? kSemicolons : kTabs;
      for (char& c : text) {
        if (c == separator) c = ',';
      }
    }
  }
  while (!text.empty() && (text.back() == ',' || IsBlank(text.back()))) {
    differences |= text.back() == ',' ? kTrailingComma : kBlanks;
    text.pop_back();
  }
  if (EqualsUpper(text, kHeaderUpper)) return differences;
  std::string withoutBlanks;
  for (const char c : text) {
    if (!IsBlank(c)) withoutBlanks += c;
  }
  if (EqualsUpper(withoutBlanks, kHeaderWithoutBlanks)) return differences | kBlanks;
  return std::nullopt;
}

void HeaderClues::See(std::string_view head, bool truncated) {
  ++lines_;
  if (encoding_.fault == HeaderFault::Unknown) {
    const HeaderFault encoding = EncodingOf(head, lines_ == 1);
    if (encoding != HeaderFault::Unknown) encoding_ = {encoding, lines_, 0};
  }
  if (lfOnly_.fault == HeaderFault::Unknown && head.find('\n') != std::string_view::npos) {
    // The last piece of a line cut short is not whole, so it cannot be told.
    std::size_t start = 0;
    for (std::size_t end = head.find('\n'); start <= head.size(); end = head.find('\n', start)) {
      if (end == std::string_view::npos) {
        if (truncated) break;
        end = head.size();
      }
      if (const auto differences = HeaderDifferences(head.substr(start, end - start))) {
        lfOnly_ = {HeaderFault::LfOnly, lines_, *differences};
        break;
      }
      start = end + 1;
    }
  }
  if (near_.fault == HeaderFault::Unknown && !truncated) {
    // The header itself never comes here: the reader stops seeking at it.
    if (const auto differences = HeaderDifferences(head); differences && *differences != 0) {
      near_ = {HeaderFault::NearHeader, lines_, *differences};
    }
  }
}

HeaderReason HeaderClues::Reason() const {
  if (lines_ == 0) return {HeaderFault::Empty, 0, 0};
  for (const HeaderReason* clue : {&encoding_, &lfOnly_, &near_}) {
    if (clue->fault != HeaderFault::Unknown) return *clue;
  }
  return {};
}

std::string_view HeaderFaultName(HeaderFault fault) {
  static constexpr std::array<std::string_view, 7> kNames = {
      "no-header", "empty-file", "utf-16", "utf-32", "nul-bytes", "lf-only", "near-header"};
  return kNames.at(static_cast<std::size_t>(fault));
}

std::string HeaderReasonText(const HeaderReason& reason) {
  const std::string line = std::to_string(reason.line);
  switch (reason.fault) {
    case HeaderFault::Empty:
      return "the file is empty";
    case HeaderFault::Utf16:
    case HeaderFault::Utf32:
      return std::string("no header line: the file is ") +
             (reason.fault == HeaderFault::Utf16 ? "UTF-16" : "UTF-32") +
             " text, not ASCII (save it as ASCII or UTF-8)";
    case HeaderFault::NulBytes:
      return "no header line: NUL bytes on line " + line + ", not ASCII text";
    case HeaderFault::LfOnly:
      return std::string("no header line: lines end in LF only, where a line ends at CR or CR LF") +
             (reason.differences == 0
                  ? ""
                  : "; the header also has " + DifferenceWords(reason.differences));
    case HeaderFault::NearHeader:
      return "no header line: line " + line + " has " + DifferenceWords(reason.differences) +
             " (the header is " + std::string(kHeaderShown) + ")";
    case HeaderFault::Unknown:
      break;
  }
  return "no header line (" + std::string(kHeaderShown) + ")";
}

}  // namespace core
