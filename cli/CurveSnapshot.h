#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/CrvRead.h"
#include "core/CurveCodes.h"
#include "core/Curves.h"

namespace cli {

// Dynamic .. Delta Down, curve codes 241..247.
using core::kHeights;
using core::kPlotted;
// Sample set s belongs to plotted curve kFirstSampledCurve + s (Loaded Up ..).
inline constexpr int kFirstSampledCurve = core::kLoadedUp - core::kDynamic;

using TargetSample = core::Sample;

// The curves of one file that read whole, as the commands compare, list and
// draw them; a pure function of its read value.
struct CurveSnapshot {
  QString path;
  // Plotted curve i (0 Dynamic .. 6 Delta Down), raw, by height.
  core::PlottedCurves raw{};
  // Sample sets 0..3 after the target checks (sorted by height), up to
  // their first empty slot.
  std::array<std::vector<TargetSample>, core::kSampleSets> samples;
  int16_t elevUp = -1;
  int16_t elevDown = -1;
};

// The curves of a whole read of the file at path.
CurveSnapshot SnapshotOf(const QString& path, const core::CrvRead& read);

// The curve code of plotted curve i.
inline int16_t PlottedCode(int i) {
  return static_cast<int16_t>(core::kDynamic + i);
}

}  // namespace cli
