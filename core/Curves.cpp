#include "core/Curves.h"

#include <algorithm>
#include <limits>

namespace core {

Curve MeasuredCurve(const CrvRead& read, int16_t code) {
  Curve curve{};
  const auto column = static_cast<std::size_t>(code - kDynamic);
  for (std::size_t h = 0; h < read.rows.size() && h < curve.size(); ++h) {
    curve[h] = read.rows[h].at(column);
  }
  return curve;
}

int32_t StoredDelta(int64_t difference) {
  const auto rounded = static_cast<int64_t>(static_cast<float>(difference));
  return static_cast<int32_t>(std::clamp<int64_t>(rounded, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

Curve DeltaCurve(const Curve& loaded, const Curve& empty) {
  Curve delta{};
  for (std::size_t h = 0; h < delta.size(); ++h) {
    delta[h] = StoredDelta(int64_t{loaded[h]} - int64_t{empty[h]});
  }
  return delta;
}

PlottedCurves PlottedOf(const CrvRead& read) {
  PlottedCurves curves{};
  for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
    curves[static_cast<std::size_t>(code - kDynamic)] = MeasuredCurve(read, code);
  }
  const auto at = [&](int16_t code) -> Curve& {
    return curves[static_cast<std::size_t>(code - kDynamic)];
  };
  at(kDeltaUp) = DeltaCurve(at(kLoadedUp), at(kEmptyUp));
  at(kDeltaDown) = DeltaCurve(at(kLoadedDown), at(kEmptyDown));
  return curves;
}

int16_t SwitchHeight(const CrvRead& read, bool up) {
  int16_t height = -1;
  for (const SwitchLine& line : read.switches) {
    if (line.up == up) height = line.height;
  }
  return height;
}

}  // namespace core
