#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/CrvRead.h"
#include "core/CurveCodes.h"

// The target samples as the sample tables hold them: four sets of slots
// 0..50, each set running up to its first empty slot.
namespace core {

struct SampleSlots {
  std::array<int16_t, kSampleSlots> height;
  std::array<int32_t, kSampleSlots> value;
  bool present = false;  // at least one sample was stored
};
using SampleTables = std::array<SampleSlots, kSampleSets>;

// Slots all empty, values 0.
SampleSlots EmptySlots();

// Each block stores its samples from slot 0 of its set up, in file order: a
// heading given again starts its set over, and the slots after its new
// samples keep the earlier ones.
SampleTables SampleSetsOf(const CrvRead& read);

// Sorts a set by height, ascending and stable, each value with its height:
// exchange passes over the slots up to the first empty one. Heights compare
// as signed numbers.
void SortSamples(SampleSlots& set);

// The samples of a set up to its first empty slot.
std::vector<Sample> SamplesOf(const SampleSlots& set);

// The tables after the target checks: each set that holds samples sorted.
SampleTables CheckedSampleSets(const CrvRead& read);

// What the target check reports of a set without samples: "Loaded Up
// Samples INVALID!"; the mark alone is " INVALID!".
QString InvalidSetText(int16_t set);
QString InvalidMark();

}  // namespace core
