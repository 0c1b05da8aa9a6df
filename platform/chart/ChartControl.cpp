#include "ChartControl.h"

#include <QChart>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <algorithm>

#include "ChartAxes.h"
#include "ChartScene.h"
#include "ChartStyle.h"
#include "HitTest.h"
#include "PointerTip.h"
#include "RoundHalfEven.h"
#include "Twips.h"

namespace platform {

namespace {

ChartGrid Resized(const ChartGrid& grid, int rows, int columns) {
  ChartGrid resized(rows, columns);
  for (int r = 0; r < std::min(rows, grid.Rows()); ++r) {
    for (int c = 1; c <= std::min(columns, grid.Columns()); ++c) resized(r, c) = grid(r, c);
  }
  return resized;
}

int Pixels(float twips) {
  return static_cast<int>(
      RoundHalfEven(std::max(static_cast<double>(twips), 0.0) / kTwipsPerPixel));
}

}  // namespace

ChartControl::ChartControl(QWidget* parent)
    : scene_(std::make_unique<ChartScene>()), chartAxes_(std::make_unique<ChartAxes>(*scene_)) {
  penStyles_.fill(Qt::SolidLine);
  // Given to the view from the start: a view made without one makes its own,
  // which a later chart would leave behind.
  view_ = new ChartView(parent, scene_->chart, *this);
  tip_ = std::make_unique<PointerTip>(*scene_, *view_);
  QObject::connect(scene_->chart, &QChart::plotAreaChanged, view_, [this] { FitToPlotArea(); });
}

ChartControl::~ChartControl() = default;

QChartView* ChartControl::widget() const {
  return view_;
}
QChart* ChartControl::chart() const {
  return scene_->chart;
}

void ChartControl::SetChartData(const ChartGrid& grid) {
  grid_ = grid;
  dataChanged_ = true;
}

void ChartControl::SetRowCount(int16_t rows) {
  grid_ = Resized(grid_, std::max<int>(rows, 0), grid_.Columns());
  dataChanged_ = true;
}

void ChartControl::SetColumnCount(int16_t series) {
  grid_ = Resized(grid_, grid_.Rows(), std::max<int>(series, 0) + 1);
  dataChanged_ = true;
}

void ChartControl::SetColumnLabel(const QString& label) {
  if (column_ < 1) return;
  while (columnLabels_.size() < column_) columnLabels_.append(QString());
  columnLabels_[column_ - 1] = label;
  dataChanged_ = true;
}

void ChartControl::SetSeriesPenStyle(int16_t column, Qt::PenStyle style) {
  if (column < 1 || column > static_cast<int>(penStyles_.size())) return;
  penStyles_[static_cast<std::size_t>(column - 1)] = style;
  dataChanged_ = true;
}

void ChartControl::SetTitleText(const QString& text) {
  titleText_ = text;
  dataChanged_ = true;
}

ChartAxis& ChartControl::Axis(AxisId id, int16_t /*index*/) {
  // Whatever the caller changes on the axis takes effect at the next Refresh.
  dataChanged_ = true;
  return axes_[static_cast<std::size_t>(id)];
}

void ChartControl::Refresh() {
  if (dataChanged_) {
    dataChanged_ = false;
    scene_->chart->setTitle(AsDrawnText(titleText_));
    scene_->SetSeries(grid_, columnLabels_, penStyles_);
    chartAxes_->Apply(axes_, grid_);
    FitToPlotArea();
  }
  view_->viewport()->update();
}

void ChartControl::Paint(QPainter& painter) {
  // A control never shown has not yet fitted its chart to its size.
  scene_->chart->resize(view_->size());
  view_->setSceneRect(scene_->chart->geometry());
  // A layout may choose other labels or another place for the legend, which
  // asks for another; a few settle it.
  for (int pass = 0; pass < 4; ++pass) scene_->chart->layout()->activate();
  view_->render(&painter, QRectF(view_->geometry()), view_->rect());
}

void ChartControl::FitToPlotArea() {
  scene_->PlacesChanged();
  scene_->marker->hide();
  const bool moved = scene_->legend.Fit();
  // Changed while the chart is being laid out: once more, for what changed.
  if (chartAxes_->FitToPlotArea(axes_, grid_) || moved) scene_->chart->layout()->invalidate();
}

float ChartControl::Left() const {
  return static_cast<float>(PixelsToTwips(view_->x()));
}
float ChartControl::Top() const {
  return static_cast<float>(PixelsToTwips(view_->y()));
}
float ChartControl::Width() const {
  return static_cast<float>(PixelsToTwips(view_->width()));
}
float ChartControl::Height() const {
  return static_cast<float>(PixelsToTwips(view_->height()));
}

void ChartControl::SetLeft(float twips) {
  view_->move(Pixels(twips), view_->y());
}
void ChartControl::SetTop(float twips) {
  view_->move(view_->x(), Pixels(twips));
}
void ChartControl::SetWidth(float twips) {
  view_->resize(Pixels(twips), view_->height());
}
void ChartControl::SetHeight(float twips) {
  view_->resize(view_->width(), Pixels(twips));
}

ChartPartHit ChartControl::TwipsToChartPart(int32_t x, int32_t y) const {
  return PartAt(QPointF(x, y) / static_cast<double>(kTwipsPerPixel));
}

ChartPartHit ChartControl::PartAt(QPointF pixels) const {
  QChart* chart = scene_->chart;
  const QPointF at = chart->mapFromScene(view_->viewportTransform().inverted().map(pixels));
  ChartPlaces places;
  places.points = scene_->Places();
  places.plot = chart->plotArea();
  places.legend = scene_->legend.Rect();
  return HitTest(places, at);
}

void ChartControl::SetToolTipText(const QString& text) {
  toolTipText_ = text;
  // Shown by the platform whenever the pointer rests on the chart.
  scene_->chart->setToolTip(text);
}

namespace {
void Report(const ChartControl::MouseHandler& handler, Qt::MouseButton button,
            Qt::KeyboardModifiers modifiers, QPointF pos) {
  if (!handler) return;
  const auto twips = static_cast<double>(kTwipsPerPixel);
  handler(button, modifiers, static_cast<float>(pos.x() * twips),
          static_cast<float>(pos.y() * twips));
}
}  // namespace

void ChartControl::Moved(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos,
                         QPoint globalPos) {
  Report(onMouseMove_, button, modifiers, pos);
  tip_->Follow(PartAt(pos), toolTipText_, globalPos);
}

void ChartControl::Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) {
  Report(onMouseDown_, button, modifiers, pos);
}

void ChartControl::Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) {
  Report(onMouseUp_, button, modifiers, pos);
}

void ChartControl::PointerLeft() {
  scene_->marker->hide();
}

}  // namespace platform
