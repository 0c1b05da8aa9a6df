#pragma once

#include <cstdint>
#include <initializer_list>

namespace platform {

// How many divisions of a value axis one label spans: the smallest of 1, 2,
// 4, 10, 20, 40, 100, ... that leaves at least a label's height free between
// two labels on a plot of the given height. With half-unit divisions the
// labels then fall on steps of 0.5, 1, 2, 5, 10, 20, 50, ... units.
inline int64_t LabelEvery(int64_t divisions, double plotHeight, double labelHeight) {
  for (int64_t scale = 1;; scale *= 10) {
    for (const int64_t first : {1, 2, 4}) {
      const int64_t step = first * scale;
      if (step >= divisions || plotHeight * static_cast<double>(step) >=
                                   2 * labelHeight * static_cast<double>(divisions)) {
        return step;
      }
    }
  }
}

}  // namespace platform
