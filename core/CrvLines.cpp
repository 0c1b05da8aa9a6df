#include "core/CrvLines.h"

#include <limits>
#include <string>

#include "core/AsciiCase.h"
#include "core/CanonicalNumber.h"
#include "core/CurveCodes.h"

namespace core {

namespace {

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

}  // namespace

bool IsHeaderLine(std::string_view head, bool truncated) {
  return !truncated && EqualsUpper(head, kHeaderUpper);
}

std::optional<RowValues> ParseDataRow(std::string_view line, int row) {
  const std::string prefix = std::to_string(row) + "%,";
  if (!line.starts_with(prefix)) return std::nullopt;
  std::string_view rest = line.substr(prefix.size());

  RowValues values{};
  std::size_t count = 0;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const auto number = ParseCanonical(rest.substr(0, comma), kInt32Min, kInt32Max);
    if (!number || count == values.size()) return std::nullopt;
    values[count++] = static_cast<int32_t>(*number);
    // One comma may follow each value, the last one included.
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  if (count != values.size()) return std::nullopt;
  return values;
}

std::optional<SampleLine> ParseSampleLine(std::string_view line) {
  const std::size_t mark = line.find("%,");
  if (mark == std::string_view::npos) return std::nullopt;
  const auto height =
      ParseCanonical(line.substr(0, mark), std::numeric_limits<int16_t>::min(), kEmptySlot - 1);
  const auto value = ParseCanonical(line.substr(mark + 2), kInt32Min, kInt32Max);
  if (!height || !value) return std::nullopt;
  return SampleLine{static_cast<int16_t>(*height), static_cast<int32_t>(*value)};
}

std::optional<ElevLine> ParseElevLine(std::string_view line) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::string_view after = line.substr(comma + 1);
  if (!after.ends_with('%')) return std::nullopt;
  const auto height = ParseCanonical(after.substr(0, after.size() - 1), 0, kLastHeight);
  if (!height) return std::nullopt;
  if (StartsWithUpper(line, "ELEVUP,")) return ElevLine{true, static_cast<int16_t>(*height)};
  if (StartsWithUpper(line, "ELEVDOWN,")) return ElevLine{false, static_cast<int16_t>(*height)};
  return std::nullopt;
}

}  // namespace core
