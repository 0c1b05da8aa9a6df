#include "CURVEroutines.h"
#include "CurveTables.h"
#include "ValueLine.h"

namespace CURVEroutines {

namespace {

void EmptyList(platform::LineList& list) {
  list.Clear();
}

}  // namespace

void FillCurveList(int16_t code) {
  CurveWindow& window = MainWindow();
  platform::LineList& list = window.ListData(code);
  if (!CurvePresent(code)) {
    window.ListSelect(code).SetEnabled(false);
    list.SetEnabled(false);
    return;
  }
  // Dynamic has no sample set; the others have set code - 242.
  const int set = code >= kLoadedUp ? code - kLoadedUp : -1;
  const bool marked = set >= 0 && SamplesPresent(set);

  EmptyList(list);
  list.AddItem(CurveCaption(code));
  for (int16_t row = 0; row <= kLastHeight; ++row) {
    list.AddItem(ValueLine(row, CurveValues(code, row)));
    if (!marked) continue;
    for (int slot = 0; slot < kSampleSlots && SampleHeight(set, slot) != kEmptySlot; ++slot) {
      if (SampleHeight(set, slot) == row) list.SetSelected(row + 1, true);
    }
  }
  window.ListSelect(code).SetEnabled(true);
  list.SetEnabled(true);
}

void AddSampleLine(int16_t set, int16_t n) {
  CurveWindow& window = MainWindow();
  platform::LineList& targets = window.ListData(kTargets);
  if (n == 0) {
    if (targets.ListCount() > 0) targets.AddItem(QString());
    QString heading = CurveCaption(set);
    heading.chop(QStringLiteral(" Samples").size());
    targets.AddItem(heading);
    if (set == 0) {
      window.ListSelect(kTargets).SetEnabled(true);
      targets.SetEnabled(true);
    }
  }
  targets.AddItem(ValueLine(SampleHeight(set, n), SampleValue(set, n)));
}

}  // namespace CURVEroutines
