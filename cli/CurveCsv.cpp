#include "CurveCsv.h"

#include <array>

#include "CURVEroutines.h"
#include "CurveCodes.h"
#include "CurveTables.h"
#include "ValueLine.h"

namespace cli {

using namespace CURVEroutines;

QStringList CurveCsv() {
  QStringList header{QStringLiteral("Height")};
  for (int16_t code = kDynamic; code <= kDeltaDown; ++code) {
    header.append(CURVEroutines::CurveName(code));
  }
  for (int16_t code = kDynamic; code <= kDeltaDown; ++code) {
    header.append(CURVEroutines::CurveName(code) + QStringLiteral(" (V)"));
  }
  QStringList rows{header.join(QLatin1Char(','))};
  const QString point = QStringLiteral(".");
  for (int16_t height = 0; height <= kLastHeight; ++height) {
    std::array<int32_t, kDeltaDown - kDynamic + 1> raw{};
    for (int16_t code = kDynamic; code <= kDeltaDown; ++code) {
      raw.at(static_cast<std::size_t>(code - kDynamic)) =
          code <= kEmptyDown ? CurveValues(code, height) : DeltaValues(code, height);
    }
    QStringList row{QString::number(height)};
    for (const int32_t value : raw) row.append(QString::number(value));
    for (const int32_t value : raw) row.append(VoltsText(value, point));
    rows.append(row.join(QLatin1Char(',')));
  }
  return rows;
}

}  // namespace cli
