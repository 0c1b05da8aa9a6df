#pragma once

#include <cstdint>

#include "core/Curves.h"
#include "core/SampleSets.h"

// The tables' rows as the core's values, for the core's rules to work on.
namespace CURVEroutines {

// A measured curve (241..245) of CurveValues.
core::Curve MeasuredValues(int16_t code);

// A sample set as SampleHeight, SampleValue and SamplesPresent hold it, and back.
core::SampleSlots SampleSetSlots(int16_t set);
void StoreSampleSet(int16_t set, const core::SampleSlots& cells);

}  // namespace CURVEroutines
