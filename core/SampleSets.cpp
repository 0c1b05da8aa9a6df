#include "core/SampleSets.h"

#include <utility>

#include "core/CurveNames.h"

namespace core {

SampleSlots EmptySlots() {
  SampleSlots cells;
  cells.height.fill(kEmptySlot);
  cells.value.fill(0);
  return cells;
}

SampleTables SampleSetsOf(const CrvRead& read) {
  SampleTables tables;
  tables.fill(EmptySlots());
  for (const SampleBlock& block : read.blocks) {
    SampleSlots& set = tables.at(static_cast<std::size_t>(block.set));
    for (std::size_t n = 0; n < block.samples.size() && n < set.height.size(); ++n) {
      set.height[n] = block.samples[n].height;
      set.value[n] = block.samples[n].value;
      set.present = true;
    }
  }
  return tables;
}

void SortSamples(SampleSlots& set) {
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (std::size_t i = 0; i + 1 < set.height.size() && set.height[i] != kEmptySlot; ++i) {
      if (set.height[i] > set.height[i + 1]) {
        std::swap(set.height[i], set.height[i + 1]);
        std::swap(set.value[i], set.value[i + 1]);
        exchanged = true;
      }
    }
  }
}

std::vector<Sample> SamplesOf(const SampleSlots& set) {
  std::vector<Sample> samples;
  for (std::size_t i = 0; i < set.height.size() && set.height[i] != kEmptySlot; ++i) {
    samples.push_back({set.height[i], set.value[i]});
  }
  return samples;
}

SampleTables CheckedSampleSets(const CrvRead& read) {
  SampleTables tables = SampleSetsOf(read);
  for (SampleSlots& set : tables) {
    if (set.present) SortSamples(set);
  }
  return tables;
}

QString InvalidSetText(int16_t set) {
  return CurveCaption(set) + InvalidMark();
}

QString InvalidMark() {
  return QStringLiteral(" INVALID!");
}

}  // namespace core
