#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

#include "chartwindow/ChartGrid.h"
#include "core/ChartScale.h"

// The chart's copy of the seven plotted curves and how it is scaled.
namespace chartwindow {

// Rows are heights 0..100; column 1 holds the row labels and columns 2..8
// the curves 241..247 (Dynamic .. Delta Down).
inline constexpr int kChartRows = 101;
inline constexpr int kChartColumns = 8;
// The chart window's client area as designed, in twips; the chart fills it.
inline constexpr int kClientWidth = 9375;
inline constexpr int kClientHeight = 7530;
// The smallest client area the chart window takes, in pixels.
inline constexpr QSize kSmallestChart(300, 200);

// The series drawn dashed: the two empty curves (Empty Up, Empty Down), so
// each loaded and empty pair reads apart without its colours.
inline constexpr std::array<int16_t, 2> kDashedSeries = {3, 5};

// Copies the five measured and the two difference curves into columns 2..8,
// as the raw whole numbers of the tables.
void FillChartValues(ChartGrid& values);

// Tells strain from pressure by the raw ranges, converts columns 2..8 to
// millivolts or volts with two decimals, and gives the value axis's range.
void ScaleChartValues(ChartGrid& values, float& minimum, float& maximum, QString& sensorKind);

// The rules of the chart's values and range, as the core gives them.
using core::MajorDivisions;
using core::ScaledValue;
using core::SensorFactor;
using core::ValueAxisTitle;
using core::ValueUnit;

}  // namespace chartwindow
