#pragma once

#include <cstdint>

namespace core {

// Curve codes: also the indexes of the option buttons and lists of the main window.
inline constexpr int16_t kTargets = 240;
inline constexpr int16_t kDynamic = 241;
inline constexpr int16_t kLoadedUp = 242;
inline constexpr int16_t kEmptyUp = 243;
inline constexpr int16_t kLoadedDown = 244;
inline constexpr int16_t kEmptyDown = 245;
inline constexpr int16_t kDeltaUp = 246;
inline constexpr int16_t kDeltaDown = 247;
inline constexpr int16_t kFirstCode = kTargets;
inline constexpr int16_t kLastCode = kDeltaDown;

// Sample sets 0..3 (Loaded Up, Empty Up, Loaded Down, Empty Down Samples);
// set s belongs to curve code 242 + s.
inline constexpr int16_t kSampleSets = 4;
inline constexpr int16_t kSampleSlots = 51;  // slots 0..50
inline constexpr int16_t kEmptySlot = 255;   // marks an empty slot in SampleHeight
inline constexpr int16_t kLastHeight = 100;  // curves have heights 0..100

}  // namespace core
