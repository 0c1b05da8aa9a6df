#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "calibration/TableCopies.h"
#include "core/SampleSets.h"

namespace CURVEroutines {

void CheckTargets(int16_t set) {
  if (!SamplesPresent(set)) {
    MainWindow().PrintMessage(core::InvalidSetText(set), 1);
    return;
  }
  core::SampleSlots cells = SampleSetSlots(set);
  core::SortSamples(cells);
  StoreSampleSet(set, cells);
}

}  // namespace CURVEroutines
