#pragma once

#include <array>
#include <cstdint>

#include "core/CrvRead.h"
#include "core/CurveCodes.h"

// The curves of a read, by height, and what follows from them alone.
namespace core {

inline constexpr int kHeights = kLastHeight + 1;  // 0..100
// Dynamic .. Delta Down, curve codes 241..247, as the chart plots them.
inline constexpr int kPlotted = kDeltaDown - kDynamic + 1;

using Curve = std::array<int32_t, kHeights>;
using PlottedCurves = std::array<Curve, kPlotted>;

// Measured curve 241..245 from the rows taken in; heights not reached are 0.
Curve MeasuredCurve(const CrvRead& read, int16_t code);

// A difference of two 32-bit readings as it is stored: through single
// precision (exact below 2^24), then held at the 32-bit limits instead of
// wrapping.
int32_t StoredDelta(int64_t difference);

// Loaded minus empty, height by height, as stored.
Curve DeltaCurve(const Curve& loaded, const Curve& empty);

// The seven plotted curves of a whole read: the five measured, Delta Up and
// Delta Down.
PlottedCurves PlottedOf(const CrvRead& read);

// The height of the last "up" (or "down") elevation-switch line, -1 for none.
int16_t SwitchHeight(const CrvRead& read, bool up);

}  // namespace core
