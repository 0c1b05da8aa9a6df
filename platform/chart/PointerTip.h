#pragma once

// The read-out under the pointer: a ring around the data point it is on, a
// hand for a pointer, and the tool tip shown at once and following the
// pointer from point to point.

#include <QPoint>
#include <QString>

#include "ChartTypes.h"

class QChartView;

namespace platform {

class ChartScene;

class PointerTip {
 public:
  PointerTip(ChartScene& scene, QChartView& view) : scene_(scene), view_(view) {}

  // The pointer is over hit, at globalPos on the screen; text is the tool
  // tip's, shown only on a data point.
  void Follow(const ChartPartHit& hit, const QString& text, QPoint globalPos);
  void Hide();

 private:
  ChartScene& scene_;
  QChartView& view_;
};

}  // namespace platform
