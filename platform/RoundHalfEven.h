#pragma once

#include <QPoint>
#include <QPointF>

#include "core/RoundHalfEven.h"

namespace platform {

using core::RoundHalfEven;

// A place in whole pixels, rounded the same way (Qt's own rounding takes a
// tie away from zero).
inline QPoint WholePixels(QPointF p) {
  return {static_cast<int>(RoundHalfEven(p.x())), static_cast<int>(RoundHalfEven(p.y()))};
}

}  // namespace platform
