// Placeholder until the CRV reader lands; replaced by the real routines.
#include "CURVEroutines.h"

namespace CURVEroutines {
void ReadCurveFile(const QString&) {}
}  // namespace CURVEroutines
