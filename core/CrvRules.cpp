#include "core/CrvRules.h"

#include <array>

namespace core {

namespace {

// In the order of CrvRule.
constexpr std::array<std::string_view, kCrvRuleCount> kTexts = {
    "",
    "no header line (Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down)",
    "the file ends before the row of %1%",
    "the file could not be read to its end",
    "more than 32767 lines",
    "a line longer than 4096 bytes",
    "an empty line among the rows",
    "a height out of order (the row of %1% is due)",
    "a missing percent sign",
    "an empty field",
    "a plus sign",
    "a blank",
    "a leading zero",
    "a minus zero",
    "not a whole number",
    "out of the 32-bit range",
    "out of the 16-bit range",
    "a sample height of 255 or more",
    "a switch height outside 0 to 100",
    "too many fields",
    "too few fields",
    "neither ELEVUP nor ELEVDOWN",
    "a third elevation line",
    "a 50th sample",
};

constexpr std::array<std::string_view, kCrvRuleCount> kNames = {
    "",
    "no-header",
    "ends-before-row",
    "read-error",
    "too-many-lines",
    "line-too-long",
    "empty-line-in-rows",
    "height-out-of-order",
    "missing-percent",
    "empty-field",
    "plus-sign",
    "blank",
    "leading-zero",
    "minus-zero",
    "not-whole-number",
    "beyond-32-bit",
    "beyond-16-bit",
    "sample-height-255",
    "switch-height-range",
    "too-many-fields",
    "too-few-fields",
    "not-switch-keyword",
    "third-switch-line",
    "fiftieth-sample",
};

}  // namespace

std::string_view CrvRuleName(CrvRule rule) {
  return kNames.at(static_cast<std::size_t>(rule));
}

std::string_view CrvRuleText(CrvRule rule) {
  return kTexts.at(static_cast<std::size_t>(rule));
}

}  // namespace core
