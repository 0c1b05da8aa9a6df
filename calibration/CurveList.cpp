#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "calibration/TableCopies.h"
#include "core/ListText.h"
#include "core/ValueLine.h"

namespace CURVEroutines {

void FillCurveList(int16_t code) {
  CurveWindow& window = MainWindow();
  platform::ListBox& list = window.ListData(code);
  if (!CurvePresent(code)) {
    window.ListSelect(code).SetEnabled(false);
    list.SetEnabled(false);
    return;
  }
  // Dynamic has no sample set; the others have set code - 242.
  const int16_t set = code >= kLoadedUp ? static_cast<int16_t>(code - kLoadedUp) : int16_t{-1};
  core::SampleSlots cells;
  if (set >= 0) cells = SampleSetSlots(set);
  const bool marked = set >= 0 && cells.present;

  list.Clear();
  list.AddItem(CurveCaption(code));
  for (int16_t row = 0; row <= kLastHeight; ++row) {
    list.AddItem(core::ValueLine(row, CurveValues(code, row)));
    if (core::IsSampleHeight(marked ? &cells : nullptr, row)) list.SetSelected(row + 1, true);
  }
  window.ListSelect(code).SetEnabled(true);
  list.SetEnabled(true);
}

void AddSampleLine(int16_t set, int16_t n) {
  CurveWindow& window = MainWindow();
  platform::ListBox& targets = window.ListData(kTargets);
  if (n == 0) {
    if (targets.ListCount() > 0) targets.AddItem(QString());
    targets.AddItem(core::SampleBlockHeading(set));
    if (set == 0) {
      window.ListSelect(kTargets).SetEnabled(true);
      targets.SetEnabled(true);
    }
  }
  targets.AddItem(core::ValueLine(SampleHeight(set, n), SampleValue(set, n)));
}

}  // namespace CURVEroutines
