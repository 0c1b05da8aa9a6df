#pragma once

#include <cmath>

namespace core {

// Nearest integer, a tie going to the even one, whatever the FPU rounding
// mode: every conversion of a measured or scaled value, a position or a size
// to a whole number or to fixed decimals rounds this way.
inline double RoundHalfEven(double x) {
  const double down = std::floor(x);
  const double rest = x - down;
  if (rest > 0.5) return down + 1;
  if (rest < 0.5) return down;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1;
}

}  // namespace core
