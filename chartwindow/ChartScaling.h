#pragma once

#include <QString>
#include <cstdint>

#include "ChartGrid.h"

// The chart's copy of the seven plotted curves and how it is scaled.
namespace chartwindow {

// Rows are heights 0..100; column 1 holds the row labels and columns 2..8
// the curves 241..247 (Dynamic .. Delta Down).
inline constexpr int kChartRows = 101;
inline constexpr int kChartColumns = 8;

// Copies the five measured and the two difference curves into columns 2..8,
// as the raw whole numbers of the tables.
void FillChartValues(platform::ChartGrid& values);

// Tells strain from pressure by the raw ranges, converts columns 2..8 to
// millivolts or volts with two decimals, and gives the value axis's range.
void ScaleChartValues(platform::ChartGrid& values, float& minimum, float& maximum,
                      QString& sensorKind);

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

}  // namespace chartwindow
