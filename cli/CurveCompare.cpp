#include "cli/CurveCompare.h"

#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace cli {

namespace {

// 65536 counts are 5 V, so a count is 500 / 65536 hundredths.
constexpr int64_t kHundredthsPerSpan = 500;
constexpr int64_t kCountsPerSpan = 65536;

int64_t Difference(const CurveSnapshot& reference, const CurveSnapshot& file, std::size_t curve,
                   std::size_t height) {
  return int64_t{file.raw[curve][height]} - int64_t{reference.raw[curve][height]};
}

int64_t Magnitude(int64_t value) {
  return value < 0 ? -value : value;
}

}  // namespace

int64_t MeanHundredths(int64_t sum, int64_t count) {
  // sum * 500 stays far inside 64 bits: 101 heights of 33-bit differences.
  const int64_t numerator = sum * kHundredthsPerSpan;
  const int64_t denominator = count * kCountsPerSpan;
  int64_t quotient = numerator / denominator;
  int64_t remainder = numerator % denominator;
  // Division truncates toward zero; step to the floor first.
  if (remainder < 0) {
    quotient -= 1;
    remainder += denominator;
  }
  const int64_t twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += 1;
  return quotient;
}

CurveDifferences CompareCurves(const CurveSnapshot& reference, const CurveSnapshot& file) {
  CurveDifferences differences;
  for (std::size_t c = 0; c < differences.size(); ++c) {
    CurveDifference& d = differences[c];
    int64_t sum = 0;
    for (std::size_t h = 0; h < kHeights; ++h) {
      const int64_t raw = Difference(reference, file, c, h);
      sum += raw;
      if (Magnitude(raw) > Magnitude(d.largestRaw)) {
        d.largestRaw = raw;
        d.height = static_cast<int16_t>(h);
      }
    }
    d.largest = core::VoltHundredths(d.largestRaw);
    d.meanHundredths = MeanHundredths(sum, kHeights);
  }
  return differences;
}

QStringList DifferenceLines(const CurveDifferences& differences, const QString& decimalPoint) {
  QStringList lines;
  for (std::size_t c = 0; c < differences.size(); ++c) {
    const CurveDifference& d = differences[c];
    // The counts show a drift too small for the volts' two decimals.
    const QString counts =
        QStringLiteral("%1 %2")
            .arg(d.largestRaw)
            .arg(d.largestRaw == 1 || d.largestRaw == -1 ? QStringLiteral("count")
                                                         : QStringLiteral("counts"));
    lines.append(QStringLiteral("%1: largest %2V (%3) at %4%, mean %5V")
                     .arg(core::CurveName(PlottedCode(static_cast<int>(c))),
                          core::HundredthsText(d.largest, decimalPoint), counts)
                     .arg(d.height)
                     .arg(core::HundredthsText(d.meanHundredths, decimalPoint)));
  }
  return lines;
}

QStringList DifferenceCsv(const CurveSnapshot& reference, const CurveSnapshot& file) {
  QStringList header{QStringLiteral("Height")};
  for (int c = 0; c < kPlotted; ++c) header.append(core::CurveName(PlottedCode(c)));
  for (int c = 0; c < kPlotted; ++c) {
    header.append(core::CurveName(PlottedCode(c)) + QStringLiteral(" (V)"));
  }
  QStringList rows{header.join(QLatin1Char(','))};
  const QString point = QStringLiteral(".");
  for (std::size_t h = 0; h < kHeights; ++h) {
    QStringList row{QString::number(h)};
    for (std::size_t c = 0; c < kPlotted; ++c) {
      row.append(QString::number(Difference(reference, file, c, h)));
    }
    for (std::size_t c = 0; c < kPlotted; ++c) {
      row.append(core::VoltsText(Difference(reference, file, c, h), point));
    }
    rows.append(row.join(QLatin1Char(',')));
  }
  return rows;
}

bool WithinTolerance(const CurveDifference& difference, double tolerance) {
  // Both sides are the doubles nearest their decimals, so their order is the decimals'.
  return static_cast<double>(Magnitude(difference.largest)) / 100.0 <= tolerance;
}

QStringList CurvesBeyond(const CurveDifferences& differences, double tolerance) {
  QStringList names;
  for (std::size_t c = 0; c < differences.size(); ++c) {
    if (!WithinTolerance(differences[c], tolerance)) {
      names.append(core::CurveName(PlottedCode(static_cast<int>(c))));
    }
  }
  return names;
}

}  // namespace cli
