#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"

namespace CURVEroutines {

namespace {

constexpr int16_t kLastSeries = kDeltaDown - kDynamic;

}  // namespace

int16_t ListLineOfHeight(int16_t series, int16_t height) {
  const bool captioned = kDynamic + series <= kEmptyDown;
  return static_cast<int16_t>(captioned ? height + 1 : height);
}

void ShowCurvePoint(int16_t series, int16_t line) {
  if (series < 0 || series > kLastSeries) return;
  const auto code = static_cast<int16_t>(kDynamic + series);
  const bool present = code <= kEmptyDown ? CurvePresent(code) : DeltaPresent(code);
  if (!present) return;
  CurveWindow& window = MainWindow();
  platform::ListBox& list = window.ListData(code);
  if (line < 0 || line >= list.ListCount()) return;

  for (int16_t f = kFirstCode; f <= kLastCode; ++f) {
    window.ListSelect(f).SetValue(false);
    window.ListData(f).SetVisible(false);
  }
  // Checking the button runs its click handling, which shows the list too.
  window.ListSelect(code).SetValue(true);
  list.SetVisible(true);
  list.SetListIndex(line);

  // Flash the line: its mark inverted and back, each state painted at once.
  const bool marked = list.Selected(line);
  list.SetSelected(line, !marked);
  window.Refresh();
  list.SetSelected(line, marked);
  window.Refresh();
  list.SetFocus();
}

}  // namespace CURVEroutines
