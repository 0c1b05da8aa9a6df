#include "LegendRules.h"

#include <algorithm>
#include <cmath>

namespace platform {

LegendLayout LayOutLegend(const QRectF& chart, QSizeF entry, int count, double margin) {
  LegendLayout layout;
  if (count <= 0 || entry.isEmpty()) return layout;
  const double width = chart.width() - 2 * margin;
  const double height = chart.height() - 2 * margin;
  int columns = 1;
  layout.below = entry.width() * 3 > width || entry.height() * count > height;
  if (layout.below) {
    columns = std::clamp(static_cast<int>(std::floor(width / entry.width())), 1, count);
  }
  const int rows = (count + columns - 1) / columns;
  const QSizeF size(entry.width() * columns, entry.height() * rows);
  const QPointF corner = layout.below ? QPointF(chart.left() + (chart.width() - size.width()) / 2,
                                                chart.bottom() - margin - size.height())
                                      : QPointF(chart.right() - margin - size.width(),
                                                chart.top() + (chart.height() - size.height()) / 2);
  layout.rect = QRectF(corner, size);
  for (int i = 0; i < count; ++i) {
    layout.entries.push_back(
        corner + QPointF(entry.width() * (i % columns), entry.height() * (i / columns)));
  }
  return layout;
}

}  // namespace platform
