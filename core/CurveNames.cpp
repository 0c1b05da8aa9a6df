#include "core/CurveNames.h"

#include <algorithm>
#include <array>

#include "core/CurveCodes.h"

namespace core {

QString CurveName(int16_t code) {
  static const std::array<const char*, kLastCode - kFirstCode + 1> kNames = {
      "Targets",     "Dynamic",    "Loaded Up", "Empty Up",
      "Loaded Down", "Empty Down", "Delta Up",  "Delta Down"};
  return QString::fromLatin1(kNames.at(static_cast<std::size_t>(code - kFirstCode)));
}

QString CurveCaption(int16_t key) {
  // Sample sets 0..3 and curve codes share one key space.
  switch (key) {
    case 0:
      return QStringLiteral("Loaded Up Samples");
    case 1:
      return QStringLiteral("Empty Up Samples");
    case 2:
      return QStringLiteral("Loaded Down Samples");
    case 3:
      return QStringLiteral("Empty Down Samples");
    default:
      return key >= kTargets && key <= kEmptyDown ? CurveName(key) : QStringLiteral("?");
  }
}

QString FileNameOf(const QString& path) {
  // Paths may come from either platform's habits, so both separators count.
  const qsizetype cut =
      std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
  return path.mid(cut + 1);
}

}  // namespace core
