#include "chart/ChartDescription.h"

#include <QStringList>

#include "chart/AxisRules.h"

namespace chart {

QString ChartDescription(const ChartContent& content) {
  QStringList names;
  for (const ChartSeries& s : content.series) names << s.name;
  QString text = QStringLiteral("%1 from 0 to %2; %3 from %4 to %5; series %6")
                     .arg(content.xTitle)
                     .arg(std::max(content.Rows() - 1, 0))
                     .arg(content.yTitle, ValueText(content.minimum), ValueText(content.maximum),
                          names.join(QStringLiteral(", ")));
  if (content.HasReference()) text += QStringLiteral("; reference ") + content.referenceName;
  return text;
}

}  // namespace chart
