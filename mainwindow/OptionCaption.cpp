#include "OptionCaption.h"

#include <array>

#include "CurveCodes.h"

namespace mainwindow {

QString OptionCaption(int16_t code) {
  using CURVEroutines::kFirstCode;
  static const std::array<const char*, CURVEroutines::kLastCode - kFirstCode + 1> kCaptions = {
      "Targets",     "Dynamic",    "Loaded Up", "Empty Up",
      "Loaded Down", "Empty Down", "Delta Up",  "Delta Down"};
  return QString::fromLatin1(kCaptions.at(static_cast<std::size_t>(code - kFirstCode)));
}

}  // namespace mainwindow
