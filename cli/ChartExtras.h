#pragma once

#include <QString>

#include "chart/ChartContent.h"
#include "cli/CurveSnapshot.h"

namespace cli {

// The value axis the chart is drawn on.
struct ChartScale {
  QString sensorKind;  // "STRAIN" or "PRESSURE"
  float minimum = 0;
  float maximum = 0;
};

// The chart window's scaling rules applied to the curves of one or two runs
// together: the sensor kind and the value range that covers them all.
ChartScale ScaleOver(const CurveSnapshot& first, const CurveSnapshot* second);

// The chart the chart window shows of file; with a reference, the
// reference's seven curves beneath, thinner and dotted in the same colours,
// both runs on the range that covers them and named in the legend; with
// marks, the file's target samples on their curves and its elevation-switch
// heights as vertical lines labelled Up and Down.
chart::ChartContent RunChart(const CurveSnapshot& file, const CurveSnapshot* reference, bool marks);

}  // namespace cli
