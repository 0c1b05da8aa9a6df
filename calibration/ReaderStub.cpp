// Placeholder until the CRV reader lands; replaced by the real routines.
#include "CURVEroutines.h"

namespace CURVEroutines {
void ResetCurves() {}
void ReadCurveFile(const QString&) {}
QString FileNameOf(const QString& path) {
  return path;
}
}  // namespace CURVEroutines
