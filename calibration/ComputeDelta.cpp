#include <algorithm>
#include <cstdint>
#include <limits>

#include "CURVEroutines.h"
#include "CurveTables.h"
#include "ValueLine.h"

namespace CURVEroutines {

namespace {

// A difference of two 32-bit readings needs 33 bits. It passes through single
// precision (exact below 2^24) and is then held at the 32-bit limits instead of wrapping.
int32_t StoredDelta(int64_t difference) {
  const auto rounded = static_cast<int64_t>(static_cast<float>(difference));
  return static_cast<int32_t>(std::clamp<int64_t>(rounded, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

void ComputeDelta(int16_t loadedCode, int16_t emptyCode, int16_t deltaCode) {
  CurveWindow& window = MainWindow();
  platform::LineList& list = window.ListData(deltaCode);
  list.Clear();

  const bool built = CurvePresent(loadedCode) && CurvePresent(emptyCode);
  if (built) {
    for (int16_t row = 0; row <= kLastHeight; ++row) {
      const int64_t difference =
          int64_t{CurveValues(loadedCode, row)} - int64_t{CurveValues(emptyCode, row)};
      DeltaValues(deltaCode, row) = StoredDelta(difference);
      list.AddItem(ValueLine(row, DeltaValues(deltaCode, row)));
    }
  }
  // Without both source curves the old values stay but no longer count.
  DeltaPresent(deltaCode) = built;
  window.ListSelect(deltaCode).SetEnabled(built);
  list.SetEnabled(built);
}

}  // namespace CURVEroutines
