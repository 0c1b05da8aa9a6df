#include <utility>

#include "CURVEroutines.h"
#include "CurveTables.h"

namespace CURVEroutines {

void CheckTargets(int16_t set) {
  if (!SamplesPresent(set)) {
    MainWindow().PrintMessage(CurveCaption(set) + QStringLiteral(" INVALID!"), 1);
    return;
  }
  // Exchange passes over the slots up to the empty marker: a stable ascending
  // sort by height, each value moving with its height. Heights are signed.
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int i = 0; i + 1 < kSampleSlots && SampleHeight(set, i) != kEmptySlot; ++i) {
      if (SampleHeight(set, i) > SampleHeight(set, i + 1)) {
        std::swap(SampleHeight(set, i), SampleHeight(set, i + 1));
        std::swap(SampleValue(set, i), SampleValue(set, i + 1));
        exchanged = true;
      }
    }
  }
}

}  // namespace CURVEroutines
