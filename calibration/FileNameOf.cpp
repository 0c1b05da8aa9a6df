#include <algorithm>

#include "CURVEroutines.h"

namespace CURVEroutines {

QString FileNameOf(const QString& path) {
  // Paths may come from either platform's habits, so both separators count.
  const qsizetype cut =
      std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
  return path.mid(cut + 1);
}

}  // namespace CURVEroutines
