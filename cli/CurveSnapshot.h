#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "CurveCodes.h"

namespace cli {

// Dynamic .. Delta Down, curve codes 241..247.
inline constexpr int kPlotted = CURVEroutines::kDeltaDown - CURVEroutines::kDynamic + 1;
inline constexpr int kHeights = CURVEroutines::kLastHeight + 1;  // 0..100
// Sample set s belongs to plotted curve kFirstSampledCurve + s (Loaded Up ..).
inline constexpr int kFirstSampledCurve = CURVEroutines::kLoadedUp - CURVEroutines::kDynamic;

struct TargetSample {
  int16_t height;
  int32_t value;
};

// What one successful read left in the calibration tables, copied out, since
// the tables hold one file only and the next read overwrites them.
struct CurveSnapshot {
  QString path;
  // Plotted curve i (0 Dynamic .. 6 Delta Down), raw, by height.
  std::array<std::array<int32_t, kHeights>, kPlotted> raw{};
  // Sample sets 0..3 as the tables hold them after the read (sorted by
  // height), up to their first empty slot.
  std::array<std::vector<TargetSample>, CURVEroutines::kSampleSets> samples;
  int16_t elevUp = -1;
  int16_t elevDown = -1;
};

// The tables as they are now; path names the file they came from.
CurveSnapshot TakeSnapshot(const QString& path);

// The curve code of plotted curve i.
inline int16_t PlottedCode(int i) {
  return static_cast<int16_t>(CURVEroutines::kDynamic + i);
}

}  // namespace cli
