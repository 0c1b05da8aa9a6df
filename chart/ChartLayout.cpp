#include "chart/ChartLayout.h"

#include <algorithm>

#include "chart/ChartStyle.h"

namespace chart {

namespace {

constexpr double kEdge = 8;       // free round the chart's edge
constexpr double kTitleGap = 10;  // below the title
constexpr double kGap = 6;        // between the parts
constexpr double kTickLength = 5;
constexpr double kLabelGap = 2;     // between a tick and its label
constexpr double kSwitchInset = 2;  // a switch's label from the plot's edge
constexpr double kSwitchGap = 3;    // and from its line

ChartText Centred(const QString& text, QPointF centre, const QFontMetricsF& metrics, bool bold) {
  const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
  return {text, QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size), bold, false};
}

}  // namespace

ChartMetrics::ChartMetrics() : text(ChartFont(false)), bold(ChartFont(true)) {}

std::vector<LegendItem> LegendItems(const ChartContent& content) {
  std::vector<LegendItem> items;
  for (const ChartSeries& s : content.series) items.push_back({s.name, s.colour, s.style, s.width});
  if (content.HasReference()) {
    items.push_back({content.runName, Qt::black, Qt::SolidLine, kSeriesLineWidth});
    items.push_back({content.referenceName + QStringLiteral(" (reference)"), Qt::black,
                     ReferenceStyle(), kReferenceLineWidth});
  }
  return items;
}

QPointF ChartLayout::Map(double row, double value) const {
  const int lastRow = std::max(content.Rows() - 1, 1);
  return {plot.left() + plot.width() * row / lastRow,
          plot.bottom() - plot.height() * (value - range.low) / (range.high - range.low)};
}

std::vector<const ChartText*> ChartLayout::Texts() const {
  std::vector<const ChartText*> texts{&title, &xTitle, &yTitle};
  for (const auto* list : {&rowLabels, &valueLabels, &switchLabels}) {
    for (const ChartText& t : *list) texts.push_back(&t);
  }
  for (const LegendEntry& entry : legend.entries) {
    for (const ChartText& t : entry.lines) texts.push_back(&t);
  }
  return texts;
}

ChartLayout LayOutChart(const ChartContent& content, QSizeF size, const ChartMetrics& metrics) {
  ChartLayout layout;
  layout.content = content;
  layout.size = size;
  const QFontMetricsF& text = metrics.text;
  const QFontMetricsF& bold = metrics.bold;
  const QRectF area(kEdge, kEdge, std::max(size.width() - 2 * kEdge, 0.0),
                    std::max(size.height() - 2 * kEdge, 0.0));

  // The title over the chart's whole width, cut only when wider than that.
  double top = area.top();
  if (!content.title.isEmpty()) {
    const QString title = bold.elidedText(content.title, Qt::ElideMiddle, area.width());
    layout.title = Centred(title, QPointF(size.width() / 2, top + bold.height() / 2), bold, true);
    top += bold.height() + kTitleGap;
  }
  layout.legend = LayOutLegend(LegendItems(content), area, top, text);

  // Bottom up: the legend below, the axis title, the row labels, the ticks.
  double bottom = area.bottom();
  if (layout.legend.below && !layout.legend.entries.empty()) {
    bottom = layout.legend.rect.top() - kGap;
  }
  const double xTitleTop = bottom - (content.xTitle.isEmpty() ? 0 : bold.height());
  const double plotBottom = xTitleTop - kGap / 2 - text.height() - kLabelGap - kTickLength;

  // The value labels that fit the plot's height decide its left edge.
  layout.range = DrawnValueRange(content.minimum, content.maximum, content.divisions);
  const double plotHeight = std::max(plotBottom - top, 0.0);
  layout.labelEvery = LabelEvery(layout.range.divisions, plotHeight, text.height());
  const std::vector<double> values = LabelledValues(layout.range, layout.labelEvery);
  double widest = 0;
  for (const double v : values) widest = std::max(widest, text.horizontalAdvance(ValueText(v)));
  const double yTitleWidth = content.yTitle.isEmpty() ? 0 : bold.height() + kGap;
  const double plotLeft = area.left() + yTitleWidth + widest + kLabelGap + kTickLength;

  // The last row label stands half beyond the plot's right edge.
  const double lastHalf =
      content.rowLabels.isEmpty() ? 0 : text.horizontalAdvance(content.rowLabels.back()) / 2;
  double right = area.right() - lastHalf;
  if (!layout.legend.below && !layout.legend.entries.empty()) {
    right = std::min(right, layout.legend.rect.left() - kGap - lastHalf);
  }
  layout.plot = QRectF(QPointF(plotLeft, top), QSizeF(std::max(right - plotLeft, 0.0), plotHeight));
  const QRectF& plot = layout.plot;

  for (const double v : values) {
    const QPointF at = layout.Map(0, v);
    const QString label = ValueText(v);
    const double width = text.horizontalAdvance(label);
    layout.valueLabels.push_back({label, QRectF(plot.left() - kTickLength - kLabelGap - width,
                                                at.y() - text.height() / 2, width, text.height())});
    layout.grid.emplace_back(plot.left(), at.y(), plot.right(), at.y());
  }
  const int perLabel = std::max(content.rowsPerLabel, 1);
  const double labelTop = plot.bottom() + kTickLength + kLabelGap;
  for (int r = 0; r < content.Rows(); r += perLabel) {
    const QString& label = content.rowLabels[r];
    // The digits centred on the tick, a leading blank standing before them.
    const double digits = text.horizontalAdvance(label.trimmed());
    const double width = text.horizontalAdvance(label);
    const double x = layout.Map(r, 0).x();
    layout.rowLabels.push_back(
        {label, QRectF(x + digits / 2 - width, labelTop, width, text.height())});
    layout.grid.emplace_back(x, plot.top(), x, plot.bottom());
  }
  layout.ticks =
      TickMarks({plot, content.Rows() - 1, content.rowsPerTick, layout.range, layout.labelEvery});

  if (!content.xTitle.isEmpty()) {
    layout.xTitle = Centred(content.xTitle,
                            QPointF(plot.center().x(), xTitleTop + bold.height() / 2), bold, true);
  }
  if (!content.yTitle.isEmpty()) {
    const double length = bold.horizontalAdvance(content.yTitle);
    const double centre = std::clamp(plot.center().y(), area.top() + length / 2,
                                     std::max(area.bottom() - length / 2, area.top() + length / 2));
    layout.yTitle = {content.yTitle,
                     QRectF(area.left(), centre - length / 2, bold.height(), length), true, true};
  }
  for (const ChartSwitch& s : content.switches) {
    const double y =
        s.atTop ? plot.top() + kSwitchInset : plot.bottom() - kSwitchInset - text.height();
    // Beside its line, not across it: on the right, or on the left where the
    // plot ends first.
    const QSizeF box(text.horizontalAdvance(s.label), text.height());
    const double x = layout.Map(s.row, 0).x();
    const bool left = x + kSwitchGap + box.width() > plot.right() - kSwitchInset;
    const QPointF at(left ? x - kSwitchGap - box.width() : x + kSwitchGap, y);
    layout.switchLabels.push_back({s.label, QRectF(at, box), false, false});
  }
  return layout;
}

}  // namespace chart
