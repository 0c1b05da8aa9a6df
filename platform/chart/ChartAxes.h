#pragma once

// The chart's two axes as the control's members set them: the category axis
// with its row labels, the value axis with its fixed range, labels on as many
// divisions as fit, and tick marks drawn by the control itself.

#include <array>
#include <cstdint>

#include "AxisRules.h"
#include "ChartGrid.h"
#include "ChartTypes.h"

namespace platform {

class ChartScene;

class ChartAxes {
 public:
  explicit ChartAxes(ChartScene& scene) : scene_(scene) {}

  // Both axes from their members and the grid (its rows and row labels).
  void Apply(const std::array<ChartAxis, 2>& axes, const ChartGrid& grid);
  // The plot has its place: labels chosen for its size, ticks drawn; whether
  // the labels changed so that the chart must be laid out again.
  bool FitToPlotArea(const std::array<ChartAxis, 2>& axes, const ChartGrid& grid);

 private:
  void ApplyCategoryAxis(const ChartAxis& axis, const ChartGrid& grid);
  void ApplyValueAxis(const ChartAxis& axis, const ChartGrid& grid);
  void ChooseValueLabels();
  void SetCategoryLabels(const ChartGrid& grid, int rowsPerLabel);
  bool ChooseCategoryLabels(const ChartCategoryScale& scale, const ChartGrid& grid);

  ChartScene& scene_;
  ValueRange range_;
  int64_t labelEvery_ = 1;
  int categoryEvery_ = 1;
};

}  // namespace platform
