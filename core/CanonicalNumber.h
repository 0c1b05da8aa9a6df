#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// A whole number written the one way the CRV format allows: an optional minus,
// then digits without leading zeros ("0" for zero), no "-0", no plus, spaces,
// point, exponent or grouping. Empty when the text is not such a number or
// lies outside min..max.
std::optional<int64_t> ParseCanonical(std::string_view text, int64_t min, int64_t max);

}  // namespace core
