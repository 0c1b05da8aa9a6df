#include "ChartControl.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsPathItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ChartLabelStep.h"
#include "Twips.h"

namespace platform {

namespace {

// A pointer this close to a plotted point (device-independent pixels, so it
// grows with the screen's pixel ratio) is on that point.
constexpr double kHitRadius = 4.0;
constexpr double kTickLength = 5.0;
constexpr double kMinorTickLength = 3.0;
// Beyond this many divisions only the labelled ones get a tick mark.
constexpr int64_t kMostTickMarks = 32767;
// An empty value range is drawn this much high, so the axis still has a scale.
constexpr double kEmptyRangeHeight = 0.5;

const QColor kAxisColour(0x50, 0x50, 0x50);

// Colours told apart also by readers with a red-green weakness.
const std::array<QColor, 8> kPalette = {QColor(0x00, 0x00, 0x00), QColor(0x00, 0x72, 0xB2),
                                        QColor(0x56, 0xB4, 0xE9), QColor(0xD5, 0x5E, 0x00),
                                        QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
                                        QColor(0xCC, 0x79, 0xA7), QColor(0x80, 0x80, 0x80)};

QFont ChartFont(bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8);
  font.setBold(bold);
  return font;
}

// Qt Charts draws every text as rich text: a file name such as "<b>.CRV"
// must show as written, and a blank that rich text would drop (leading, or
// after another blank) must stay, as in the row labels " 0" .. " 100".
QString AsDrawnText(const QString& text) {
  QString drawn;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool dropped = text[i] == QLatin1Char(' ') && (i == 0 || text[i - 1] == QLatin1Char(' '));
    drawn += dropped ? QStringLiteral("&nbsp;") : QString(text[i]).toHtmlEscaped();
  }
  return drawn;
}

// The height Qt's charts give a label of this font.
double LabelHeight(const QFont& font) {
  QGraphicsTextItem probe;
  probe.setFont(font);
  probe.setPlainText(QStringLiteral("0"));
  return probe.boundingRect().height();
}

ChartGrid Resized(const ChartGrid& grid, int rows, int columns) {
  ChartGrid resized(rows, columns);
  for (int r = 0; r < std::min(rows, grid.Rows()); ++r) {
    for (int c = 1; c <= std::min(columns, grid.Columns()); ++c) resized(r, c) = grid(r, c);
  }
  return resized;
}

}  // namespace

// The Qt objects that draw the chart, and where its points were last drawn.
struct ChartControl::Plotted {
  QChart* chart = nullptr;
  QCategoryAxis* x = nullptr;
  QValueAxis* y = nullptr;
  std::vector<QLineSeries*> series;
  QGraphicsPathItem* ticks = nullptr;
  QGraphicsEllipseItem* marker = nullptr;
  // Per series, each point's place in chart coordinates; empty when stale.
  std::vector<std::vector<QPointF>> positions;
  // The drawn value range and its divisions.
  double low = 0;
  double high = 0;
  int64_t divisions = 0;
};

// The chart view: reports the mouse to the control instead of acting on it.
class ChartControl::View : public QChartView {
 public:
  View(QWidget* parent, QChart* chart, ChartControl& control)
      : QChartView(chart, parent), control_(control) {
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    control_.Mouse(control_.onMouseMove_, event->button(), event->modifiers(), event->position());
    control_.ShowPointerTip(event->position(), event->globalPosition().toPoint());
  }
  // A press never reaches the chart view's own handling: nothing on the chart
  // moves or zooms, and a press where no item lies must not be looked into.
  void mousePressEvent(QMouseEvent* event) override {
    control_.Mouse(control_.onMouseDown_, event->button(), event->modifiers(), event->position());
  }
  // The second press of a double click is a press as well.
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    control_.Mouse(control_.onMouseUp_, event->button(), event->modifiers(), event->position());
  }
  void leaveEvent(QEvent* event) override {
    control_.plotted_->marker->hide();
    QChartView::leaveEvent(event);
  }

 private:
  ChartControl& control_;
};

ChartControl::ChartControl(QWidget* parent) : plotted_(std::make_unique<Plotted>()) {
  penStyles_.fill(Qt::SolidLine);

  Plotted& p = *plotted_;
  p.chart = new QChart;
  p.chart->setBackgroundRoundness(0);
  p.chart->setDropShadowEnabled(false);
  // The chart's white fills the whole control.
  p.chart->layout()->setContentsMargins(0, 0, 0, 0);
  p.chart->setTitleFont(ChartFont(true));
  p.chart->setTitleBrush(QBrush(Qt::black));
  p.chart->legend()->setAlignment(Qt::AlignRight);
  p.chart->legend()->setFont(ChartFont(false));
  p.chart->legend()->setLabelColor(Qt::black);
  p.chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  p.chart->setLocalizeNumbers(true);
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  p.chart->setLocale(locale);

  p.x = new QCategoryAxis;
  p.y = new QValueAxis;
  for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(p.x), static_cast<QAbstractAxis*>(p.y)}) {
    axis->setLabelsFont(ChartFont(false));
    axis->setTitleFont(ChartFont(true));
    // Dark axes and labels, so that the ticks and numbers read at a glance.
    axis->setLinePen(QPen(kAxisColour, 1));
    axis->setLabelsBrush(QBrush(Qt::black));
    axis->setTitleBrush(QBrush(Qt::black));
  }
  p.y->setTickInterval(1);
  p.y->setTickType(QValueAxis::TicksDynamic);
  p.y->setLabelFormat(QStringLiteral("%.7g"));
  p.chart->addAxis(p.x, Qt::AlignBottom);
  p.chart->addAxis(p.y, Qt::AlignLeft);

  p.ticks = new QGraphicsPathItem(p.chart);
  p.ticks->setPen(QPen(kAxisColour, 1));
  p.marker = new QGraphicsEllipseItem(p.chart);
  p.marker->setZValue(1000);
  p.marker->hide();

  // Given to the view from the start: a view made without one makes its own,
  // which a later chart would leave behind.
  view_ = new View(parent, p.chart, *this);
  QObject::connect(p.chart, &QChart::plotAreaChanged, view_, [this] { FitToPlotArea(); });
}

ChartControl::~ChartControl() = default;

QChartView* ChartControl::widget() const {
  return view_;
}
QChart* ChartControl::chart() const {
  return plotted_->chart;
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
    plotted_->chart->setTitle(AsDrawnText(titleText_));
    ApplyData();
    ApplyCategoryAxis();
    ApplyValueAxis();
    FitToPlotArea();
  }
  view_->viewport()->update();
}

void ChartControl::Paint(QPainter& painter) {
  // A control never shown has not yet fitted its chart to its size.
  plotted_->chart->resize(view_->size());
  view_->setSceneRect(plotted_->chart->geometry());
  // The first layout may choose other value labels, which asks for another.
  for (int pass = 0; pass < 2; ++pass) plotted_->chart->layout()->activate();
  view_->render(&painter, QRectF(view_->geometry()), view_->rect());
}

void ChartControl::ApplyData() {
  Plotted& p = *plotted_;
  const auto count = static_cast<std::size_t>(std::max(grid_.Columns() - 1, 0));
  while (p.series.size() > count) {
    p.chart->removeSeries(p.series.back());
    delete p.series.back();
    p.series.pop_back();
  }
  while (p.series.size() < count) {
    auto* series = new QLineSeries;
    p.chart->addSeries(series);
    series->attachAxis(p.x);
    series->attachAxis(p.y);
    p.series.push_back(series);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const int column = static_cast<int>(i) + 2;
    QList<QPointF> points;
    points.reserve(grid_.Rows());
    for (int r = 0; r < grid_.Rows(); ++r) points.append(QPointF(r, grid_.Number(r, column)));
    QLineSeries* series = p.series[i];
    series->replace(points);
    series->setName(AsDrawnText(
        i < static_cast<std::size_t>(columnLabels_.size()) ? columnLabels_[i] : QString()));
    const std::size_t look = std::min(i, kPalette.size() - 1);
    series->setPen(QPen(kPalette[look], 1.5, penStyles_[look]));
  }
  p.positions.clear();
}

void ChartControl::ApplyCategoryAxis() {
  QCategoryAxis* x = plotted_->x;
  const ChartAxis& axis = axes_[static_cast<std::size_t>(AxisId::X)];
  const ChartCategoryScale& scale = axis.CategoryScale;
  for (const QString& label : x->categoriesLabels()) x->remove(label);
  const int perLabel = scale.Auto ? 1 : std::max<int>(scale.DivisionsPerLabel, 1);
  x->setStartValue(0);
  for (int r = 0; r < grid_.Rows(); r += perLabel) x->append(AsDrawnText(grid_.Text(r, 1)), r);
  x->setLabelsPosition(scale.LabelTick ? QCategoryAxis::AxisLabelsPositionOnValue
                                       : QCategoryAxis::AxisLabelsPositionCenter);
  x->setRange(0, std::max(grid_.Rows() - 1, 1));
  x->setTitleText(AsDrawnText(axis.AxisTitle));
  x->setTruncateLabels(axis.labels.Auto);
}

void ChartControl::ApplyValueAxis() {
  Plotted& p = *plotted_;
  const ChartAxis& axis = axes_[static_cast<std::size_t>(AxisId::Y)];
  const ChartValueScale& scale = axis.ValueScale;
  double low = scale.Minimum;
  double high = scale.Maximum;
  int64_t divisions = scale.MajorDivision;
  if (scale.Auto) {
    low = std::numeric_limits<double>::max();
    high = std::numeric_limits<double>::lowest();
    for (int c = 2; c <= grid_.Columns(); ++c) {
      for (int r = 0; r < grid_.Rows(); ++r) {
        low = std::min(low, grid_.Value(r, c));
        high = std::max(high, grid_.Value(r, c));
      }
    }
    if (low > high) low = high = 0;
    divisions = 10;
  }
  if (!(high > low)) {
    high = low + kEmptyRangeHeight;
    divisions = 1;
  }
  p.low = low;
  p.high = high;
  p.divisions = std::max<int64_t>(divisions, 1);
  // The label step first: a new range must never meet a step made for another.
  valueLabelEvery_ = 0;
  ChooseValueLabels();
  p.y->setRange(low, high);
  p.y->setTitleText(AsDrawnText(axis.AxisTitle));
  p.y->setTruncateLabels(axis.labels.Auto);
}

void ChartControl::ChooseValueLabels() {
  Plotted& p = *plotted_;
  // Labels and grid lines on every n-th division, as many as fit.
  const int64_t every =
      LabelEvery(p.divisions, p.chart->plotArea().height(), LabelHeight(p.y->labelsFont()));
  if (every == valueLabelEvery_) return;
  valueLabelEvery_ = every;
  const double division = (p.high - p.low) / static_cast<double>(p.divisions);
  // Anchored on the division nearest 0, so labels fall on round values.
  p.y->setTickAnchor(p.low + std::round(-p.low / division) * division);
  p.y->setTickInterval(division * static_cast<double>(every));
}

void ChartControl::FitToPlotArea() {
  Plotted& p = *plotted_;
  const QRectF plot = p.chart->plotArea();
  p.positions.clear();
  p.marker->hide();
  ChooseValueLabels();
  const int64_t every = valueLabelEvery_;

  // A tick mark on every division (and minor division) of both axes.
  QPainterPath path;
  const ChartCategoryScale& category = axes_[static_cast<std::size_t>(AxisId::X)].CategoryScale;
  const int perTick = category.Auto ? 1 : std::max<int>(category.DivisionsPerTick, 1);
  const int lastRow = std::max(grid_.Rows() - 1, 1);
  for (int r = 0; r <= lastRow; r += perTick) {
    const double x = plot.left() + plot.width() * r / lastRow;
    path.moveTo(x, plot.bottom());
    path.lineTo(x, plot.bottom() + kTickLength);
  }
  const int64_t parts = std::max<int64_t>(axes_[1].ValueScale.MinorDivision, 0) + 1;
  const int64_t marks = p.divisions * parts;
  const int64_t stride = marks > kMostTickMarks ? every * parts : 1;
  for (int64_t j = 0; j <= marks; j += stride) {
    const double y = plot.bottom() - plot.height() * static_cast<double>(j) / marks;
    path.moveTo(plot.left() - (j % parts == 0 ? kTickLength : kMinorTickLength), y);
    path.lineTo(plot.left(), y);
  }
  p.ticks->setPath(path);
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

namespace {
int Pixels(float twips) {
  return static_cast<int>(std::lround(std::max(twips, 0.0f) / kTwipsPerPixel));
}
}  // namespace

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
  Plotted& p = *plotted_;
  const QPointF at = p.chart->mapFromScene(view_->viewportTransform().inverted().map(pixels));
  const QRectF plot = p.chart->plotArea();
  // Points are drawn on the plot's edges too, and not outside it.
  const QRectF drawn = plot.adjusted(-0.5, -0.5, 0.5, 0.5);

  if (p.positions.empty()) {
    for (QLineSeries* series : p.series) {
      std::vector<QPointF>& places = p.positions.emplace_back();
      for (const QPointF& point : series->points()) {
        places.push_back(p.chart->mapToPosition(point, series));
      }
    }
  }
  // The series drawn last lies on top; within a series the nearest point wins.
  for (std::size_t s = p.positions.size(); s-- > 0;) {
    if (!p.series[s]->isVisible()) continue;
    double best = kHitRadius * kHitRadius;
    int found = -1;
    for (std::size_t i = 0; i < p.positions[s].size(); ++i) {
      const QPointF d = p.positions[s][i] - at;
      const double distance = d.x() * d.x() + d.y() * d.y();
      if (distance <= best && drawn.contains(p.positions[s][i])) {
        best = distance;
        found = static_cast<int>(i);
      }
    }
    if (found >= 0) {
      return {ChartPart::Point, static_cast<int16_t>(s + 1), static_cast<int16_t>(found + 1)};
    }
  }
  if (p.chart->legend()->isVisible() && p.chart->legend()->geometry().contains(at)) {
    return {ChartPart::Legend};
  }
  if (drawn.contains(at)) return {ChartPart::Plot};
  if (at.y() < plot.top()) return {ChartPart::Title};
  if (at.x() < plot.left() || at.y() > plot.bottom()) return {ChartPart::Axis};
  return {ChartPart::Chart};
}

void ChartControl::SetToolTipText(const QString& text) {
  toolTipText_ = text;
  // Shown by the platform whenever the pointer rests on the chart.
  plotted_->chart->setToolTip(text);
}

void ChartControl::Mouse(const MouseHandler& handler, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers, QPointF pos) {
  if (!handler) return;
  const auto twips = static_cast<double>(kTwipsPerPixel);
  handler(button, modifiers, static_cast<float>(pos.x() * twips),
          static_cast<float>(pos.y() * twips));
}

void ChartControl::ShowPointerTip(QPointF pos, QPoint globalPos) {
  Plotted& p = *plotted_;
  const ChartPartHit hit = PartAt(pos);
  if (hit.part != ChartPart::Point) {
    p.marker->hide();
    view_->viewport()->unsetCursor();
    return;
  }
  // Ring the point read out, and show its text at once, not after a rest.
  const auto s = static_cast<std::size_t>(hit.index1 - 1);
  const QPointF centre = p.positions[s][static_cast<std::size_t>(hit.index2 - 1)];
  p.marker->setRect(
      QRectF(centre - QPointF(kHitRadius, kHitRadius), QSizeF(2 * kHitRadius, 2 * kHitRadius)));
  p.marker->setPen(QPen(p.series[s]->pen().color(), 1.5));
  p.marker->show();
  view_->viewport()->setCursor(Qt::PointingHandCursor);
  if (toolTipText_.isEmpty()) return;
  const QPoint inView = view_->mapFromScene(p.chart->mapToScene(centre));
  const int r = static_cast<int>(std::ceil(kHitRadius));
  QToolTip::showText(globalPos, toolTipText_, view_->viewport(),
                     QRect(inView - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1)));
}

}  // namespace platform
