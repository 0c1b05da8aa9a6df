#include "cli/CurveSnapshot.h"

#include "core/SampleSets.h"

namespace cli {

CurveSnapshot SnapshotOf(const QString& path, const core::CrvRead& read) {
  CurveSnapshot snapshot;
  snapshot.path = path;
  snapshot.raw = core::PlottedOf(read);
  const core::SampleTables sets = core::CheckedSampleSets(read);
  for (std::size_t set = 0; set < sets.size(); ++set) {
    snapshot.samples[set] = core::SamplesOf(sets[set]);
  }
  snapshot.elevUp = core::SwitchHeight(read, true);
  snapshot.elevDown = core::SwitchHeight(read, false);
  return snapshot;
}

}  // namespace cli
