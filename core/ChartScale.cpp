#include "core/ChartScale.h"

#include <cmath>

#include "core/RoundHalfEven.h"

namespace core {

namespace {

constexpr float kMinimumStart = 99999;
constexpr float kMaximumStart = 0;
// A strain file's raw readings all lie within these bounds.
constexpr float kLowestStrain = 11500;
constexpr float kHighestStrain = 29500;
constexpr double kStrainFactor = 1.0 / 256;      // raw to millivolts
constexpr double kPressureFactor = 5.0 / 65536;  // raw to volts
// Heights above this are plotted but never widen the range.
constexpr std::size_t kLastRangeHeight = 96;
constexpr float kWideRange = 10;

}  // namespace

float ScaledValue(double raw, double factor) {
  const auto volts = static_cast<float>(raw * factor);
  // Times 100 is exact in double for any single-precision value, so a tie is
  // seen as a tie.
  const double hundredths = RoundHalfEven(static_cast<double>(volts) * 100.0);
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
  return static_cast<int32_t>(RoundHalfEven(static_cast<double>(divisions)));
}

ChartScale ScaleChart(const RawColumns& raw) {
  ChartScale scale;
  float minimum = kMinimumStart;
  float maximum = kMaximumStart;
  for (const std::vector<double>& column : raw) {
    for (const double value : column) {
      const auto v = static_cast<float>(value);
      if (v < minimum) minimum = v;
      if (v > maximum) maximum = v;
    }
  }
  scale.sensorKind = minimum < kLowestStrain || maximum > kHighestStrain
                         ? QStringLiteral("PRESSURE")
                         : QStringLiteral("STRAIN");
  const double factor = SensorFactor(scale.sensorKind);

  minimum = kMinimumStart;
  maximum = kMaximumStart;
  for (const std::vector<double>& column : raw) {
    std::vector<float>& scaled = scale.values.emplace_back();
    scaled.reserve(column.size());
    for (std::size_t r = 0; r < column.size(); ++r) {
      const float s = ScaledValue(column[r], factor);
      scaled.push_back(s);
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
  scale.minimum = minimum;
  scale.maximum = maximum;
  return scale;
}

}  // namespace core
