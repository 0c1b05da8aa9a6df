#pragma once

#include <QStringList>
#include <array>
#include <cstdint>

#include "cli/CurveSnapshot.h"

namespace cli {

// How one plotted curve of a file differs from the same curve of a reference.
struct CurveDifference {
  int16_t height = 0;          // where the largest difference lies (the lowest such height)
  int64_t largestRaw = 0;      // file minus reference there, in counts
  int64_t largest = 0;         // the same in hundredths of a volt, as the lists round it
  int64_t meanHundredths = 0;  // the mean over all heights, rounded once, ties to even
};
using CurveDifferences = std::array<CurveDifference, kPlotted>;

CurveDifferences CompareCurves(const CurveSnapshot& reference, const CurveSnapshot& file);

// The hundredths of a volt of sum / count counts, exact, ties to even.
int64_t MeanHundredths(int64_t sum, int64_t count);

// One line per curve: "Loaded Up: largest -0.12V (-1573 counts) at 37%, mean 0.00V".
QStringList DifferenceLines(const CurveDifferences& differences, const QString& decimalPoint);

// A header and one row per height: the raw difference of each curve, then
// its volts, with a decimal point.
QStringList DifferenceCsv(const CurveSnapshot& reference, const CurveSnapshot& file);

// Whether a curve's largest difference, in volts as shown, is at most
// tolerance in absolute value.
bool WithinTolerance(const CurveDifference& difference, double tolerance);

// The names of the curves whose largest difference, in volts as shown,
// exceeds tolerance in absolute value.
QStringList CurvesBeyond(const CurveDifferences& differences, double tolerance);

}  // namespace cli
