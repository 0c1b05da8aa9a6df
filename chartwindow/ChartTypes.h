#pragma once

// The vocabulary of the chart control: its chart type, its axes and their
// scales, and the parts of the chart a place can lie on, numbered as the
// chart component numbers them.

#include <QString>
#include <cstdint>

namespace chartwindow {

enum class ChartType : int16_t { Line2d = 3 };
enum class AxisId : int16_t { X = 0, Y = 1 };

// What lies at a place on the chart; Point (a plotted data point) is the one
// the program acts on.
enum class ChartPart : int16_t {
  Chart = 0,
  Title = 1,
  Legend = 3,
  Plot = 4,
  Point = 7,
  Axis = 9,
};

struct ChartPartHit {
  ChartPart part = ChartPart::Chart;
  int16_t index1 = 0;  // for a point: its series, from 1
  int16_t index2 = 0;  // for a point: its number, from 1 at the first row
  int16_t index3 = 0;
  int16_t index4 = 0;
};

// The scale of a category axis, counted in rows.
struct ChartCategoryScale {
  bool Auto = true;
  int16_t DivisionsPerTick = 1;
  int16_t DivisionsPerLabel = 1;
  bool LabelTick = false;  // labels centred on their tick, not between ticks
};

// The scale of a value axis: its range and how many equal divisions it has.
struct ChartValueScale {
  bool Auto = true;
  float Maximum = 0;
  float Minimum = 0;
  int32_t MajorDivision = 0;
  int16_t MinorDivision = 0;  // further ticks within each major division
};

struct ChartAxisLabels {
  bool Auto = true;  // false: every label is drawn whole, never shortened
};

struct ChartAxis {
  QString AxisTitle;
  ChartAxisLabels& Labels(int /*level*/) { return labels; }
  ChartCategoryScale CategoryScale;
  ChartValueScale ValueScale;
  ChartAxisLabels labels;
};

}  // namespace chartwindow
