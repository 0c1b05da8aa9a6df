#include "CurveSnapshot.h"

#include "CurveCodes.h"
#include "CurveTables.h"

namespace cli {

using namespace CURVEroutines;

CurveSnapshot TakeSnapshot(const QString& path) {
  CurveSnapshot snapshot;
  snapshot.path = path;
  for (int i = 0; i < kPlotted; ++i) {
    const int16_t code = PlottedCode(i);
    for (int16_t h = 0; h <= kLastHeight; ++h) {
      snapshot.raw[static_cast<std::size_t>(i)][static_cast<std::size_t>(h)] =
          code <= kEmptyDown ? CurveValues(code, h) : DeltaValues(code, h);
    }
  }
  for (int16_t set = 0; set < kSampleSets; ++set) {
    if (!SamplesPresent(set)) continue;
    auto& samples = snapshot.samples[static_cast<std::size_t>(set)];
    for (int16_t slot = 0; slot < kSampleSlots && SampleHeight(set, slot) != kEmptySlot; ++slot) {
      samples.push_back({SampleHeight(set, slot), SampleValue(set, slot)});
    }
  }
  snapshot.elevUp = ElevUpHeight;
  snapshot.elevDown = ElevDownHeight;
  return snapshot;
}

}  // namespace cli
