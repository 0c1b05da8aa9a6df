#include "calibration/TableCopies.h"

#include "calibration/CurveTables.h"

namespace CURVEroutines {

core::Curve MeasuredValues(int16_t code) {
  core::Curve curve{};
  for (int16_t row = 0; row <= kLastHeight; ++row) {
    curve[static_cast<std::size_t>(row)] = CurveValues(code, row);
  }
  return curve;
}

core::SampleSlots SampleSetSlots(int16_t set) {
  core::SampleSlots cells;
  for (int16_t slot = 0; slot < kSampleSlots; ++slot) {
    cells.height[static_cast<std::size_t>(slot)] = SampleHeight(set, slot);
    cells.value[static_cast<std::size_t>(slot)] = SampleValue(set, slot);
  }
  cells.present = SamplesPresent(set);
  return cells;
}

void StoreSampleSet(int16_t set, const core::SampleSlots& cells) {
  for (int16_t slot = 0; slot < kSampleSlots; ++slot) {
    SampleHeight(set, slot) = cells.height[static_cast<std::size_t>(slot)];
    SampleValue(set, slot) = cells.value[static_cast<std::size_t>(slot)];
  }
  SamplesPresent(set) = cells.present;
}

}  // namespace CURVEroutines
