#include "chart/LegendLayout.h"

#include <algorithm>

namespace chart {

namespace {

// An entry: its stretch of line, a gap, the name, and room to the next.
constexpr double kMarkLength = 16;
constexpr double kGap = 5;
constexpr double kAfter = 12;
constexpr double kRowSpacing = 4;

double Width(const QStringList& lines, const QFontMetricsF& metrics) {
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  return kMarkLength + kGap + widest + kAfter;
}

// The entry with its top left corner at `at`.
LegendEntry Placed(const LegendItem& item, const QStringList& lines, QPointF at,
                   const QFontMetricsF& metrics) {
  LegendEntry entry{item, {}, {}, {}};
  const double line = metrics.height();
  const double height = line * static_cast<double>(lines.size()) + kRowSpacing;
  const double middle = at.y() + kRowSpacing / 2 + line / 2;
  entry.sample = QLineF(at.x(), middle, at.x() + kMarkLength, middle);
  double y = at.y() + kRowSpacing / 2;
  for (const QString& text : lines) {
    entry.lines.push_back(
        {text, QRectF(at.x() + kMarkLength + kGap, y, metrics.horizontalAdvance(text), line)});
    y += line;
  }
  entry.box = QRectF(at, QSizeF(Width(lines, metrics), height));
  return entry;
}

}  // namespace

QStringList BrokenLines(const QString& text, double width, const QFontMetricsF& metrics) {
  QStringList lines;
  QString line;
  for (const QChar c : text) {
    if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
      lines << line;
      line.clear();
    }
    line += c;
  }
  lines << line;
  return lines;
}

LegendLayout LayOutLegend(const std::vector<LegendItem>& items, const QRectF& area, double top,
                          const QFontMetricsF& metrics) {
  LegendLayout layout;
  if (items.empty()) return layout;
  const double line = metrics.height() + kRowSpacing;
  double widest = 0;
  for (const LegendItem& item : items) widest = std::max(widest, Width({item.name}, metrics));
  const double column = line * static_cast<double>(items.size());
  layout.below = widest * 3 > area.width() || column > area.bottom() - top;
  if (!layout.below) {
    const QPointF corner(area.right() - widest, top + (area.bottom() - top - column) / 2);
    for (std::size_t i = 0; i < items.size(); ++i) {
      layout.entries.push_back(Placed(items[i], {items[i].name},
                                      corner + QPointF(0, line * static_cast<double>(i)), metrics));
    }
    layout.rect = QRectF(corner, QSizeF(widest, column));
    return layout;
  }

  // Rows of entries as wide as the area holds, then each row centred.
  const double room = std::max(area.width() - kMarkLength - kGap - kAfter, 1.0);
  std::vector<std::vector<std::pair<LegendItem, QStringList>>> rows(1);
  double used = 0;
  for (const LegendItem& item : items) {
    const QStringList lines = BrokenLines(item.name, room, metrics);
    const double width = Width(lines, metrics);
    if (!rows.back().empty() && used + width > area.width()) {
      rows.emplace_back();
      used = 0;
    }
    rows.back().emplace_back(item, lines);
    used += width;
  }
  std::vector<double> heights;
  double total = 0;
  for (const auto& row : rows) {
    qsizetype most = 1;
    for (const auto& entry : row) most = std::max(most, entry.second.size());
    heights.push_back(metrics.height() * static_cast<double>(most) + kRowSpacing);
    total += heights.back();
  }
  double y = area.bottom() - total;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    double width = 0;
    for (const auto& entry : rows[r]) width += Width(entry.second, metrics);
    double x = area.left() + (area.width() - width) / 2;
    for (const auto& [item, lines] : rows[r]) {
      layout.entries.push_back(Placed(item, lines, QPointF(x, y), metrics));
      x += layout.entries.back().box.width();
    }
    y += heights[r];
  }
  for (const LegendEntry& entry : layout.entries) layout.rect |= entry.box;
  return layout;
}

}  // namespace chart
