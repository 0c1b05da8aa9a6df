#pragma once

#include <QString>

#include "CurveSnapshot.h"

class FrmChart;

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

// Adds the reference run's seven curves to the chart of file, thinner and
// dashed in the same colours, and draws both runs on the range that covers
// them; the legend names the two files. Returns that range.
ChartScale AddReference(FrmChart& chart, const CurveSnapshot& file, const CurveSnapshot& reference);

// Marks the file's target samples on their curves and its elevation-switch
// heights as vertical lines labelled Up and Down, on the chart as scaled.
void AddMarks(FrmChart& chart, const CurveSnapshot& file, const QString& sensorKind);

}  // namespace cli
