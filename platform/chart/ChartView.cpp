#include "ChartView.h"

#include <QAccessible>
#include <QMouseEvent>

#include "ChartAccessible.h"
#include "RoundHalfEven.h"

namespace platform {

ChartView::ChartView(QWidget* parent, QChart* chart, ChartViewEvents& events)
    : QChartView(chart, parent), events_(events) {
  static const bool accessible = (QAccessible::installFactory(&ChartViewAccessible), true);
  (void)accessible;
  setFrameShape(QFrame::NoFrame);
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  events_.Moved(event->button(), event->modifiers(), event->position(),
                WholePixels(event->globalPosition()));
}

// A press never reaches the chart view's own handling: nothing on the chart
// moves or zooms, and a press where no item lies must not be looked into.
void ChartView::mousePressEvent(QMouseEvent* event) {
  events_.Pressed(event->button(), event->modifiers(), event->position());
}

// The second press of a double click is a press as well.
void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  events_.Released(event->button(), event->modifiers(), event->position());
}

void ChartView::leaveEvent(QEvent* event) {
  events_.PointerLeft();
  QChartView::leaveEvent(event);
}

}  // namespace platform
