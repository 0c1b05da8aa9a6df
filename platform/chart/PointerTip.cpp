#include "PointerTip.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsEllipseItem>
#include <QLineSeries>
#include <QToolTip>

#include "ChartScene.h"
#include "ChartStyle.h"
#include "HitTest.h"
#include "RoundHalfEven.h"

namespace platform {

void PointerTip::Follow(const ChartPartHit& hit, const QString& text, QPoint globalPos) {
  if (hit.part != ChartPart::Point) {
    Hide();
    return;
  }
  // Ring the point read out, and show its text at once, not after a rest.
  const auto s = static_cast<std::size_t>(hit.index1 - 1);
  const QPointF centre = scene_.Places()[s][static_cast<std::size_t>(hit.index2 - 1)];
  scene_.marker->setRect(
      QRectF(centre - QPointF(kHitRadius, kHitRadius), QSizeF(2 * kHitRadius, 2 * kHitRadius)));
  scene_.marker->setPen(QPen(scene_.Series()[s]->pen().color(), kSeriesLineWidth));
  scene_.marker->show();
  view_.viewport()->setCursor(Qt::PointingHandCursor);
  if (text.isEmpty()) return;
  const QPoint inView =
      WholePixels(view_.viewportTransform().map(scene_.chart->mapToScene(centre)));
  const int r = static_cast<int>(RoundHalfEven(kHitRadius));
  QToolTip::showText(globalPos, text, view_.viewport(),
                     QRect(inView - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1)));
}

void PointerTip::Hide() {
  scene_.marker->hide();
  view_.viewport()->unsetCursor();
}

}  // namespace platform
