#pragma once

#include <QString>
#include <cstdint>

#include "ChartGrid.h"
#include "core/ChartScale.h"
#include "core/Curves.h"

// The chart's copy of the seven plotted curves and how it is scaled.
namespace chartwindow {

// Rows are heights 0..100; column 1 holds the row labels and columns 2..8
// the curves 241..247 (Dynamic .. Delta Down).
inline constexpr int kChartRows = 101;
inline constexpr int kChartColumns = 8;

// Copies the five measured and the two difference curves into columns 2..8,
// as the raw whole numbers of the tables.
void FillChartValues(platform::ChartGrid& values);
// The same from curves given, Dynamic .. Delta Down.
void FillChartValues(platform::ChartGrid& values, const core::PlottedCurves& curves);

// Tells strain from pressure by the raw ranges, converts columns 2..8 to
// millivolts or volts with two decimals, and gives the value axis's range.
void ScaleChartValues(platform::ChartGrid& values, float& minimum, float& maximum,
                      QString& sensorKind);

// The rules of the chart's values and range, as the core gives them.
using core::MajorDivisions;
using core::ScaledValue;
using core::SensorFactor;
using core::ValueAxisTitle;
using core::ValueUnit;

}  // namespace chartwindow
