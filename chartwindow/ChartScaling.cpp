#include "chartwindow/ChartScaling.h"

#include "calibration/CurveTables.h"
#include "core/CurveCodes.h"

namespace chartwindow {

void FillChartValues(ChartGrid& values) {
  using namespace CURVEroutines;
  for (int16_t r = 0; r <= kLastHeight; ++r) {
    for (int16_t j = 1; j <= 5; ++j) values(r, j + 1) = CurveValues(kTargets + j, r);
    for (int16_t k = 0; k <= 1; ++k) values(r, k + 7) = DeltaValues(kDeltaUp + k, r);
  }
}

void ScaleChartValues(ChartGrid& values, float& minimum, float& maximum, QString& sensorKind) {
  const int first = 2;
  core::RawColumns raw;
  for (int c = first; c <= values.Columns(); ++c) {
    std::vector<double>& column = raw.emplace_back();
    for (int r = 0; r < values.Rows(); ++r) column.push_back(values.Value(r, c));
  }
  const core::ChartScale scale = core::ScaleChart(raw);
  for (int c = first; c <= values.Columns(); ++c) {
    const std::vector<float>& column = scale.values[static_cast<std::size_t>(c - first)];
    for (int r = 0; r < values.Rows(); ++r) values(r, c) = column[static_cast<std::size_t>(r)];
  }
  minimum = scale.minimum;
  maximum = scale.maximum;
  sensorKind = scale.sensorKind;
}

}  // namespace chartwindow
