#pragma once

// A line chart control: its members are set one by one and take effect at
// Refresh(); place and size are in twips within the parent. It is a plain
// widget that paints the chart through the chart layer, reports mouse events
// over it in twips and hit-tests the chart from the same layout it draws.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <Qt>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "chart/ChartLayout.h"
#include "chartwindow/ChartGrid.h"
#include "chartwindow/ChartTypes.h"

namespace chartwindow {

class ChartControl : public QWidget {
 public:
  // button, shift state, x and y in twips of the control's own coordinates.
  using MouseHandler = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, float, float)>;

  explicit ChartControl(QWidget* parent);

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

  // What the chart shows, as of the last Refresh, and where it lies at the
  // control's present size.
  const chart::ChartContent& Content() const { return layout_.content; }
  const chart::ChartLayout& Layout() const { return layout_; }
  // Draws the chart at its place in the parent, shown or not.
  void Paint(QPainter& painter) const;

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
  // What lies at a place in the control's pixels.
  ChartPartHit PartAt(QPointF pixels) const;

  // Shown at once while the pointer is on a data point, and whenever it
  // rests on the chart.
  QString ToolTipText() const { return toolTipText_; }
  void SetToolTipText(const QString& text);

  void OnMouseMove(MouseHandler handler) { onMouseMove_ = std::move(handler); }
  void OnMouseDown(MouseHandler handler) { onMouseDown_ = std::move(handler); }
  void OnMouseUp(MouseHandler handler) { onMouseUp_ = std::move(handler); }

  QWidget* widget() { return this; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  chart::ChartContent MadeContent() const;
  void LayOut();
  // Rings the point under the pointer and shows its text at once.
  void Follow(const ChartPartHit& hit, QPoint globalPos);

  ChartGrid grid_{0, 1};
  QStringList columnLabels_;
  std::array<Qt::PenStyle, 8> penStyles_;
  int16_t column_ = 1;
  QString titleText_;
  std::array<ChartAxis, 2> axes_;
  QString toolTipText_;
  chart::ChartLayout layout_;
  std::optional<QPointF> ring_;  // the point read out, while the pointer is on it
  QColor ringColour_;

  MouseHandler onMouseMove_;
  MouseHandler onMouseDown_;
  MouseHandler onMouseUp_;
};

}  // namespace chartwindow
