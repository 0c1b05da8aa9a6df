#pragma once

#include <string_view>

namespace core {

// Keyword comparisons of the CRV format map ASCII letters only, so no other
// byte can ever match a keyword. upper must be upper case already.
constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiUpper(text[i]) != upper[i]) return false;
  }
  return true;
}

constexpr bool StartsWithUpper(std::string_view text, std::string_view upper) {
  return text.size() >= upper.size() && EqualsUpper(text.substr(0, upper.size()), upper);
}

}  // namespace core
