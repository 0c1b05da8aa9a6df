#pragma once

#include <QString>
#include <cstdint>

#include "calibration/Table.h"
#include "core/CurveCodes.h"

// The calibration tables of the one loaded CRV file. They live for the whole
// run; each read overwrites them and only the presence flags say what is valid.
namespace CURVEroutines {

using namespace core;

// The five measured curves, 241..245, one raw value per height 0..100.
inline Table2<int32_t, kDynamic, kEmptyDown, 0, kLastHeight> CurveValues;
inline Table<bool, kDynamic, kEmptyDown> CurvePresent;

// The two difference curves, 246 (Delta Up) and 247 (Delta Down).
inline Table2<int32_t, kDeltaUp, kDeltaDown, 0, kLastHeight> DeltaValues;
inline Table<bool, kDeltaUp, kDeltaDown> DeltaPresent;

// Target samples of sets 0..3 in slots 0..50; a height of kEmptySlot ends a set.
inline Table2<int16_t, 0, kSampleSets - 1, 0, kSampleSlots - 1> SampleHeight;
inline Table2<int32_t, 0, kSampleSets - 1, 0, kSampleSlots - 1> SampleValue;
inline Table<bool, 0, kSampleSets - 1> SamplesPresent;

// Elevation-switch heights 0..100, or -1 when the file gave none.
inline int16_t ElevUpHeight = 0;
inline int16_t ElevDownHeight = 0;

// Path of the last file read with success, as the reader was given it.
inline QString CurveFilePath;

}  // namespace CURVEroutines
