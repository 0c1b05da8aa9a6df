#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"

namespace CURVEroutines {

void ResetCurves() {
  CurveWindow& window = MainWindow();
  // The chart copies the tables when it opens, so it must go before they change.
  window.UnloadChart();
  window.mnuFilePrintChart().SetEnabled(false);
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    window.ListData(code).SetVisible(false);
    window.ListSelect(code).SetEnabled(false);
    window.ListSelect(code).SetValue(false);
  }
  CurvePresent.Fill(false);
  DeltaPresent.Fill(false);
  SamplesPresent.Fill(false);
  SampleHeight.Fill(kEmptySlot);
  platform::ListBox& targets = window.ListData(kTargets);
  targets.Clear();
  ElevUpHeight = -1;
  ElevDownHeight = -1;
  // CurveValues, DeltaValues, SampleValue and CurveFilePath stay: the flags say what counts.
}

}  // namespace CURVEroutines
