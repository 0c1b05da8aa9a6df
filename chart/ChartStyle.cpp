#include "chart/ChartStyle.h"

#include <algorithm>

namespace chart {

namespace {
constexpr int kTextPixels = 11;
}  // namespace

QColor SeriesColour(int index) {
  const auto last = static_cast<int>(kSeriesPalette.size()) - 1;
  return kSeriesPalette[static_cast<std::size_t>(std::clamp(index, 0, last))];
}

Qt::PenStyle ReferenceStyle() {
  return Qt::DotLine;
}

QFont ChartFont(bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kTextPixels);
  font.setBold(bold);
  return font;
}

}  // namespace chart
