#pragma once

// The chart's view: it draws the chart and reports the mouse over it to the
// control, instead of acting on it itself.

#include <QChartView>
#include <QPoint>
#include <QPointF>

namespace platform {

// What the view reports, in its own pixels (and the screen's for a move).
class ChartViewEvents {
 public:
  virtual void Moved(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos,
                     QPoint globalPos) = 0;
  virtual void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) = 0;
  virtual void Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) = 0;
  virtual void PointerLeft() = 0;

 protected:
  ~ChartViewEvents() = default;
};

class ChartView : public QChartView {
 public:
  ChartView(QWidget* parent, QChart* chart, ChartViewEvents& events);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ChartViewEvents& events_;
};

}  // namespace platform
