#include "chartwindow/ChartControl.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "chart/ChartStyle.h"
#include "chart/PaintChart.h"
#include "chartwindow/ChartAccessible.h"
#include "chartwindow/ChartContentOf.h"
#include "chartwindow/HitTest.h"
#include "platform/RoundHalfEven.h"
#include "platform/Twips.h"

namespace chartwindow {

namespace {

ChartGrid Resized(const ChartGrid& grid, int rows, int columns) {
  ChartGrid resized(rows, columns);
  for (int r = 0; r < std::min(rows, grid.Rows()); ++r) {
    for (int c = 1; c <= std::min(columns, grid.Columns()); ++c) resized(r, c) = grid(r, c);
  }
  return resized;
}

int Pixels(float twips) {
  return static_cast<int>(platform::RoundHalfEven(std::max(static_cast<double>(twips), 0.0) /
                                                  platform::kTwipsPerPixel));
}

void Report(const ChartControl::MouseHandler& handler, const QMouseEvent& event) {
  if (!handler) return;
  const auto twips = static_cast<double>(platform::kTwipsPerPixel);
  handler(event.button(), event.modifiers(), static_cast<float>(event.position().x() * twips),
          static_cast<float>(event.position().y() * twips));
}

}  // namespace

ChartControl::ChartControl(QWidget* parent) : QWidget(parent) {
  static const bool accessible = (QAccessible::installFactory(&ChartControlAccessible), true);
  (void)accessible;
  penStyles_.fill(Qt::SolidLine);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartControl::SetChartData(const ChartGrid& grid) {
  grid_ = grid;
}

void ChartControl::SetRowCount(int16_t rows) {
  grid_ = Resized(grid_, std::max<int>(rows, 0), grid_.Columns());
}

void ChartControl::SetColumnCount(int16_t series) {
  grid_ = Resized(grid_, grid_.Rows(), std::max<int>(series, 0) + 1);
}

void ChartControl::SetColumnLabel(const QString& label) {
  if (column_ < 1) return;
  while (columnLabels_.size() < column_) columnLabels_.append(QString());
  columnLabels_[column_ - 1] = label;
}

void ChartControl::SetSeriesPenStyle(int16_t column, Qt::PenStyle style) {
  if (column < 1 || column > static_cast<int>(penStyles_.size())) return;
  penStyles_[static_cast<std::size_t>(column - 1)] = style;
}

void ChartControl::SetTitleText(const QString& text) {
  titleText_ = text;
}

ChartAxis& ChartControl::Axis(AxisId id, int16_t /*index*/) {
  // Whatever the caller changes on the axis takes effect at the next Refresh.
  return axes_[static_cast<std::size_t>(id)];
}

void ChartControl::Refresh() {
  layout_.content = ChartContentOf(grid_, columnLabels_, penStyles_, titleText_, axes_);
  LayOut();
  update();
}

void ChartControl::LayOut() {
  layout_ = chart::LayOutChart(layout_.content, size());
  ring_.reset();
}

void ChartControl::Paint(QPainter& painter) const {
  painter.save();
  painter.translate(pos());
  painter.setClipRect(rect(), Qt::IntersectClip);
  chart::PaintChart(painter, layout_);
  painter.restore();
}

void ChartControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  chart::PaintChart(painter, layout_);
  if (!ring_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ringColour_, chart::kSeriesLineWidth));
  painter.drawEllipse(*ring_, kHitRadius, kHitRadius);
}

void ChartControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

float ChartControl::Left() const {
  return static_cast<float>(platform::PixelsToTwips(x()));
}
float ChartControl::Top() const {
  return static_cast<float>(platform::PixelsToTwips(y()));
}
float ChartControl::Width() const {
  return static_cast<float>(platform::PixelsToTwips(width()));
}
float ChartControl::Height() const {
  return static_cast<float>(platform::PixelsToTwips(height()));
}

void ChartControl::SetLeft(float twips) {
  move(Pixels(twips), y());
}
void ChartControl::SetTop(float twips) {
  move(x(), Pixels(twips));
}
void ChartControl::SetWidth(float twips) {
  resize(Pixels(twips), height());
}
void ChartControl::SetHeight(float twips) {
  resize(width(), Pixels(twips));
}

ChartPartHit ChartControl::TwipsToChartPart(int32_t x, int32_t y) const {
  return PartAt(QPointF(x, y) / static_cast<double>(platform::kTwipsPerPixel));
}

ChartPartHit ChartControl::PartAt(QPointF pixels) const {
  std::vector<std::vector<QPointF>> points;
  for (const chart::ChartSeries& series : layout_.content.series) {
    std::vector<QPointF>& places = points.emplace_back();
    for (std::size_t r = 0; r < series.values.size(); ++r) {
      places.push_back(layout_.Map(static_cast<double>(r), series.values[r]));
    }
  }
  return HitTest({points, layout_.plot, layout_.legend.rect}, pixels);
}

void ChartControl::SetToolTipText(const QString& text) {
  toolTipText_ = text;
  // Shown by the platform whenever the pointer rests on the chart.
  setToolTip(text);
}

void ChartControl::Follow(const ChartPartHit& hit, QPoint globalPos) {
  const std::optional<QPointF> before = ring_;
  if (hit.part != ChartPart::Point) {
    ring_.reset();
    unsetCursor();
  } else {
    const auto s = static_cast<std::size_t>(hit.index1 - 1);
    const chart::ChartSeries& series = layout_.content.series[s];
    ring_ = layout_.Map(hit.index2 - 1, series.values[static_cast<std::size_t>(hit.index2 - 1)]);
    ringColour_ = series.colour;
    setCursor(Qt::PointingHandCursor);
    if (!toolTipText_.isEmpty()) {
      // At once, not after a rest.
      const QPoint centre = platform::WholePixels(*ring_);
      const int r = static_cast<int>(platform::RoundHalfEven(kHitRadius));
      QToolTip::showText(globalPos, toolTipText_, this,
                         QRect(centre - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1)));
    }
  }
  if (ring_ != before) update();
}

void ChartControl::mouseMoveEvent(QMouseEvent* event) {
  Report(onMouseMove_, *event);
  Follow(PartAt(event->position()), platform::WholePixels(event->globalPosition()));
}

void ChartControl::mousePressEvent(QMouseEvent* event) {
  Report(onMouseDown_, *event);
}

// The second press of a double click is a press as well.
void ChartControl::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void ChartControl::mouseReleaseEvent(QMouseEvent* event) {
  Report(onMouseUp_, *event);
}

void ChartControl::leaveEvent(QEvent* event) {
  ring_.reset();
  update();
  QWidget::leaveEvent(event);
}

}  // namespace chartwindow
