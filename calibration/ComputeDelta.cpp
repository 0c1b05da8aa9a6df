#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "calibration/TableCopies.h"
#include "core/ValueLine.h"

namespace CURVEroutines {

void ComputeDelta(int16_t loadedCode, int16_t emptyCode, int16_t deltaCode) {
  CurveWindow& window = MainWindow();
  platform::ListBox& list = window.ListData(deltaCode);
  list.Clear();

  const bool built = CurvePresent(loadedCode) && CurvePresent(emptyCode);
  if (built) {
    const core::Curve delta =
        core::DeltaCurve(MeasuredValues(loadedCode), MeasuredValues(emptyCode));
    for (int16_t row = 0; row <= kLastHeight; ++row) {
      DeltaValues(deltaCode, row) = delta[static_cast<std::size_t>(row)];
      list.AddItem(core::ValueLine(row, DeltaValues(deltaCode, row)));
    }
  }
  // Without both source curves the old values stay but no longer count.
  DeltaPresent(deltaCode) = built;
  window.ListSelect(deltaCode).SetEnabled(built);
  list.SetEnabled(built);
}

}  // namespace CURVEroutines
