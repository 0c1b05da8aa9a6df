#include "CURVEroutines.h"

namespace CURVEroutines {

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
    case kTargets:
      return QStringLiteral("Targets");
    case kDynamic:
      return QStringLiteral("Dynamic");
    case kLoadedUp:
      return QStringLiteral("Loaded Up");
    case kEmptyUp:
      return QStringLiteral("Empty Up");
    case kLoadedDown:
      return QStringLiteral("Loaded Down");
    case kEmptyDown:
      return QStringLiteral("Empty Down");
    default:
      return QStringLiteral("?");
  }
}

}  // namespace CURVEroutines
