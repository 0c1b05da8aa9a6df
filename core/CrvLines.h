#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The shapes of the lines of a CRV file, each checked on its own.
namespace core {

inline constexpr std::string_view kHeaderUpper =
    "HEIGHT,DYNAMIC,LOADED UP,EMPTY UP,LOADED DOWN,EMPTY DOWN";

// Line numbers are 16-bit: a longer file is refused at the first line past it.
inline constexpr int32_t kLastLineNumber = 32767;

// The header line: the first line that is kHeaderUpper in any letter case. A
// line too long to keep whole is never the header.
bool IsHeaderLine(std::string_view head, bool truncated);

// A data row: "r%," then five values (Dynamic, Loaded Up, Empty Up, Loaded
// Down, Empty Down) separated by single commas, then at most one comma.
using RowValues = std::array<int32_t, 5>;
std::optional<RowValues> ParseDataRow(std::string_view line, int row);

// A sample line: height "%," value, nothing else. Heights from 255 up are
// refused since 255 marks an empty slot of the sample tables.
struct SampleLine {
  int16_t height;
  int32_t value;
};
std::optional<SampleLine> ParseSampleLine(std::string_view line);

// An elevation-switch line "ELEVUP,n%" or "ELEVDOWN,n%" (keyword in any letter
// case), n in 0..100.
struct ElevLine {
  bool up;
  int16_t height;
};
std::optional<ElevLine> ParseElevLine(std::string_view line);

}  // namespace core
