#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// How the chart shows curves: which sensor they come from, their values in
// its unit, and the value axis's range.
namespace core {

// Curves of raw readings, each with one value per height from 0 up.
using RawColumns = std::vector<std::vector<double>>;

struct ChartScale {
  QString sensorKind;  // "STRAIN" or "PRESSURE"
  float minimum = 0;
  float maximum = 0;
  // The curves in millivolts or volts, two decimals, single precision.
  std::vector<std::vector<float>> values;
};

// Tells strain from pressure by the raw ranges, converts every value, and
// gives the value axis's range, which heights above 96 never widen.
ChartScale ScaleChart(const RawColumns& raw);

// A converted value: single precision, rounded to two decimals, ties to even.
float ScaledValue(double raw, double factor);

// What a raw reading is multiplied by for the sensor kind ("STRAIN": 1/256,
// to millivolts; "PRESSURE": 5/65536, to volts).
double SensorFactor(const QString& sensorKind);

// The unit of the sensor kind's values: "mV" for "STRAIN", "V" otherwise.
QString ValueUnit(const QString& sensorKind);

// The value axis's title for the sensor kind: "STRAIN (mV)" or "PRESSURE (V)".
QString ValueAxisTitle(const QString& sensorKind);

// The value axis's major divisions: one per half unit of its range.
int32_t MajorDivisions(float minimum, float maximum);

}  // namespace core
