#pragma once

// A line chart control over Qt Charts. Its members are set one by one and
// take effect at Refresh(); place and size are in twips within the parent.
// The control reports mouse events over it in twips and hit-tests the chart.

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "ChartGrid.h"
#include "ChartTypes.h"
#include "ChartView.h"

class QChart;
class QChartView;
class QPainter;
class QWidget;

namespace platform {

class ChartAxes;
class ChartScene;
class PointerTip;

class ChartControl : private ChartViewEvents {
 public:
  // button, shift state, x and y in twips of the control's own coordinates.
  using MouseHandler = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, float, float)>;

  explicit ChartControl(QWidget* parent);
  ~ChartControl();
  ChartControl(const ChartControl&) = delete;
  ChartControl& operator=(const ChartControl&) = delete;

  // A two-dimensional line chart is the one type this control draws.
  void SetChartType(ChartType /*type*/) {}
  // Column 1 of the grid labels the rows, columns 2.. are the series.
  void SetChartData(const ChartGrid& grid);
  void SetRowCount(int16_t rows);
  void SetColumnCount(int16_t series);
  // Column counts series from 1; ColumnLabel names the current one.
  void SetColumn(int16_t column) { column_ = column; }
  void SetColumnLabel(const QString& label);
  // Each series has a colour of its own; a line style may be added.
  void SetSeriesPenStyle(int16_t column, Qt::PenStyle style);
  void SetTitleText(const QString& text);
  QString TitleText() const { return titleText_; }
  ChartAxis& Axis(AxisId id, int16_t index = 1);
  // Brings the drawn chart up to date with the members.
  void Refresh();
  // Draws the chart at its place in the parent, laid out for its size even
  // while it has never been shown: lines and text stay lines and text.
  void Paint(QPainter& painter);

  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void SetLeft(float twips);
  void SetTop(float twips);
  void SetWidth(float twips);
  void SetHeight(float twips);

  // What lies at a place given in twips of the control's coordinates.
  ChartPartHit TwipsToChartPart(int32_t x, int32_t y) const;

  // Shown at once while the pointer is on a data point, and whenever it
  // rests on the chart.
  QString ToolTipText() const { return toolTipText_; }
  void SetToolTipText(const QString& text);

  void OnMouseMove(MouseHandler handler) { onMouseMove_ = std::move(handler); }
  void OnMouseDown(MouseHandler handler) { onMouseDown_ = std::move(handler); }
  void OnMouseUp(MouseHandler handler) { onMouseUp_ = std::move(handler); }

  QChartView* widget() const;
  QChart* chart() const;

 private:
  void Moved(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos,
             QPoint globalPos) override;
  void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) override;
  void Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) override;
  void PointerLeft() override;

  void FitToPlotArea();
  // What lies at a place in the view's pixels.
  ChartPartHit PartAt(QPointF pixels) const;

  ChartGrid grid_{0, 1};
  QStringList columnLabels_;
  std::array<Qt::PenStyle, 8> penStyles_;
  int16_t column_ = 1;
  QString titleText_;
  std::array<ChartAxis, 2> axes_;
  QString toolTipText_;
  bool dataChanged_ = true;

  MouseHandler onMouseMove_;
  MouseHandler onMouseDown_;
  MouseHandler onMouseUp_;

  std::unique_ptr<ChartScene> scene_;
  std::unique_ptr<ChartAxes> chartAxes_;
  ChartView* view_ = nullptr;
  std::unique_ptr<PointerTip> tip_;
};

}  // namespace platform
