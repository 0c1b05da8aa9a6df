#include "ChartScaling.h"

#include <cmath>

#include "CurveCodes.h"
#include "CurveTables.h"
#include "RoundHalfEven.h"

namespace chartwindow {

namespace {

constexpr float kMinimumStart = 99999;
constexpr float kMaximumStart = 0;
// A strain file's raw readings all lie within these bounds.
constexpr float kLowestStrain = 11500;
constexpr float kHighestStrain = 29500;
constexpr double kStrainFactor = 1.0 / 256;      // raw to millivolts
constexpr double kPressureFactor = 5.0 / 65536;  // raw to volts
// Heights above this are plotted but never widen the range.
constexpr int kLastRangeHeight = 96;
constexpr float kWideRange = 10;

}  // namespace

void FillChartValues(ChartGrid& values) {
  using namespace CURVEroutines;
  for (int16_t r = 0; r <= kLastHeight; ++r) {
    for (int16_t j = 1; j <= 5; ++j) values(r, j + 1) = CurveValues(kTargets + j, r);
    for (int16_t k = 0; k <= 1; ++k) values(r, k + 7) = DeltaValues(kDeltaUp + k, r);
  }
}

float ScaledValue(double raw, double factor) {
  const auto volts = static_cast<float>(raw * factor);
  // Times 100 is exact in double for any single-precision value, so a tie is
  // seen as a tie.
  const double hundredths = platform::RoundHalfEven(static_cast<double>(volts) * 100.0);
  return static_cast<float>(hundredths / 100.0);
}

double SensorFactor(const QString& sensorKind) {
  return sensorKind == QStringLiteral("STRAIN") ? kStrainFactor : kPressureFactor;
}

QString ValueUnit(const QString& sensorKind) {
  return sensorKind == QStringLiteral("STRAIN") ? QStringLiteral("mV") : QStringLiteral("V");
}

QString ValueAxisTitle(const QString& sensorKind) {
  return sensorKind + QStringLiteral(" (") + ValueUnit(sensorKind) + QLatin1Char(')');
}

int32_t MajorDivisions(float minimum, float maximum) {
  // A whole number already; taken to the nearest so that no float is truncated.
  const auto divisions = static_cast<float>(2.0f * (maximum - minimum));
  return static_cast<int32_t>(platform::RoundHalfEven(static_cast<double>(divisions)));
}

void ScaleChartValues(ChartGrid& values, float& minimum, float& maximum, QString& sensorKind) {
  const int first = 2;
  const int last = values.Columns();
  const int rows = values.Rows();

  minimum = kMinimumStart;
  maximum = kMaximumStart;
  for (int c = first; c <= last; ++c) {
    for (int r = 0; r < rows; ++r) {
      const float v = values.Number(r, c);
      if (v < minimum) minimum = v;
      if (v > maximum) maximum = v;
    }
  }
  sensorKind = minimum < kLowestStrain || maximum > kHighestStrain ? QStringLiteral("PRESSURE")
                                                                   : QStringLiteral("STRAIN");
  const double factor = SensorFactor(sensorKind);

  minimum = kMinimumStart;
  maximum = kMaximumStart;
  for (int c = first; c <= last; ++c) {
    for (int r = 0; r < rows; ++r) {
      const float s = ScaledValue(values.Value(r, c), factor);
      values(r, c) = s;
      if (r > kLastRangeHeight) continue;
      if (s < minimum) minimum = s;
      if (s > maximum) maximum = s;
    }
  }

  // Whole units for a wide range, half units from 0 for a narrow one; the
  // bounds are taken from the single-precision values.
  if (maximum > kWideRange) {
    minimum = static_cast<float>(std::floor(static_cast<double>(minimum)));
    maximum = static_cast<float>(std::floor(static_cast<double>(maximum) + 0.9));
  } else {
    minimum = 0;
    maximum = static_cast<float>(std::floor((static_cast<double>(maximum) + 0.49) * 2) / 2);
  }
}

}  // namespace chartwindow
