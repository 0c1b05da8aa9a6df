#include "cli/CurveCsv.h"

#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace cli {

QStringList CurveCsv(const CurveSnapshot& curves) {
  QStringList header{QStringLiteral("Height")};
  for (int c = 0; c < kPlotted; ++c) header.append(core::CurveName(PlottedCode(c)));
  for (int c = 0; c < kPlotted; ++c) {
    header.append(core::CurveName(PlottedCode(c)) + QStringLiteral(" (V)"));
  }
  QStringList rows{header.join(QLatin1Char(','))};
  const QString point = QStringLiteral(".");
  for (std::size_t height = 0; height < kHeights; ++height) {
    QStringList row{QString::number(height)};
    for (const core::Curve& curve : curves.raw) row.append(QString::number(curve[height]));
    for (const core::Curve& curve : curves.raw) row.append(core::VoltsText(curve[height], point));
    rows.append(row.join(QLatin1Char(',')));
  }
  return rows;
}

}  // namespace cli
