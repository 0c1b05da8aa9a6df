#include "core/CanonicalNumber.h"

namespace core {

std::optional<int64_t> ParseCanonical(std::string_view text, int64_t min, int64_t max) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  if (text.front() == '0' && (text.size() > 1 || negative)) return std::nullopt;

  // Accumulate the magnitude, stopping as soon as it leaves the field's range.
  const uint64_t limit =
      negative ? uint64_t{0} - static_cast<uint64_t>(min) : static_cast<uint64_t>(max);
  if (negative ? min >= 0 : max < 0) return std::nullopt;
  uint64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<uint64_t>(c - '0');
    if (digit > limit || magnitude > (limit - digit) / 10) return std::nullopt;
    magnitude = magnitude * 10 + digit;
  }
  const int64_t value =
      negative ? static_cast<int64_t>(uint64_t{0} - magnitude) : static_cast<int64_t>(magnitude);
  if (value < min || value > max) return std::nullopt;
  return value;
}

}  // namespace core
