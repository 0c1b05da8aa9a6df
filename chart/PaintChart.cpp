#include "chart/PaintChart.h"

#include <vector>

#include "chart/BandStack.h"
#include "chart/ChartStyle.h"
#include "chart/CurveBand.h"
#include "chart/SegmentClip.h"

namespace chart {

namespace {

constexpr double kMarkRadius = 3.5;
// A dense curve's band: stretches this wide, in a see-through colour so that
// bands over one another still show (mixed as BandStack mixes them).
constexpr double kBandStep = 3;
constexpr double kBandOpacity = 0.5;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;

void DrawText(QPainter& painter, const ChartText& text) {
  if (text.text.isEmpty()) return;
  painter.setFont(ChartFont(text.bold));
  if (!text.vertical) {
    painter.drawText(text.box, kTextFlags, text.text);
    return;
  }
  painter.save();
  painter.translate(text.box.bottomLeft());
  painter.rotate(-90);
  painter.drawText(QRectF(0, 0, text.box.height(), text.box.width()), kTextFlags, text.text);
  painter.restore();
}

std::vector<QPointF> Places(const ChartLayout& layout, const ChartSeries& series) {
  std::vector<QPointF> places;
  const int rows = std::min(layout.content.Rows(), static_cast<int>(series.values.size()));
  for (int r = 0; r < rows; ++r) places.push_back(layout.Map(r, series.values[r]));
  return places;
}

void DrawLine(QPainter& painter, const ChartLayout& layout, const ChartSeries& series,
              const std::vector<QPointF>& places) {
  std::vector<QLineF> segments;
  for (std::size_t r = 1; r < places.size(); ++r) {
    if (const auto inside = ClippedSegment(QLineF(places[r - 1], places[r]), layout.plot)) {
      segments.push_back(*inside);
    }
  }
  painter.setPen(QPen(series.colour, series.width, series.style));
  painter.drawLines(segments.data(), static_cast<int>(segments.size()));
}

// The reference's curves, then the file's: dense ones as bands beneath,
// the others as lines over them in their order.
void DrawCurves(QPainter& painter, const ChartLayout& layout) {
  const ChartContent& content = layout.content;
  std::vector<const ChartSeries*> all;
  for (const auto* list : {&content.reference, &content.series}) {
    for (const ChartSeries& s : *list) all.push_back(&s);
  }
  // Stretches at least two rows wide, so that a curve that jumps at every
  // row fills each of them whole.
  const double step =
      std::max(kBandStep, 2 * layout.plot.width() / std::max(content.Rows() - 1, 1));
  std::vector<Band> bands;
  std::vector<std::pair<const ChartSeries*, std::vector<QPointF>>> lines;
  for (const ChartSeries* s : all) {
    std::vector<QPointF> places = Places(layout, *s);
    if (IsDense(places, layout.plot)) {
      bands.push_back({CurveBand(places, layout.plot, step, s->width / 2), s->colour});
    } else {
      lines.emplace_back(s, std::move(places));
    }
  }
  if (!bands.empty()) {
    // Filled without smoothing, each mixed colour once.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const BandFill& fill : StackedBands(bands, kBandOpacity)) {
      painter.fillRect(fill.rect, fill.colour);
    }
    painter.restore();
  }
  for (const auto& [series, places] : lines) DrawLine(painter, layout, *series, places);
}

void DrawLegend(QPainter& painter, const LegendLayout& legend) {
  for (const LegendEntry& entry : legend.entries) {
    painter.setPen(QPen(entry.item.colour, entry.item.width, entry.item.style));
    painter.drawLine(entry.sample);
    painter.setPen(Qt::black);
    for (const ChartText& line : entry.lines) DrawText(painter, line);
  }
}

}  // namespace

void PaintChart(QPainter& painter, const ChartLayout& layout) {
  const ChartContent& content = layout.content;
  const QRectF& plot = layout.plot;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRectF(QPointF(), layout.size), Qt::white);

  painter.setPen(QPen(kGridColour, 1));
  painter.drawLines(layout.grid.data(), static_cast<int>(layout.grid.size()));
  painter.setPen(QPen(kAxisColour, 1));
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLines(layout.ticks.data(), static_cast<int>(layout.ticks.size()));

  if (!plot.isEmpty()) {
    painter.setPen(QPen(kAxisColour, 1, Qt::DashDotLine));
    for (const ChartSwitch& s : content.switches) {
      const double x = layout.Map(s.row, 0).x();
      if (x >= plot.left() && x <= plot.right()) {
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
      }
    }
    DrawCurves(painter, layout);
    painter.setPen(QPen(Qt::black, 1));
    for (const ChartMark& mark : content.marks) {
      const QPointF at = layout.Map(mark.row, mark.value);
      if (!plot.contains(at)) continue;
      painter.setBrush(mark.colour);
      painter.drawEllipse(at, kMarkRadius, kMarkRadius);
    }
    painter.setBrush(Qt::NoBrush);
  }

  painter.setPen(Qt::black);
  DrawText(painter, layout.title);
  DrawText(painter, layout.xTitle);
  DrawText(painter, layout.yTitle);
  for (const auto* list : {&layout.rowLabels, &layout.valueLabels, &layout.switchLabels}) {
    for (const ChartText& t : *list) DrawText(painter, t);
  }
  DrawLegend(painter, layout.legend);
  painter.restore();
}

}  // namespace chart
