#pragma once

#include <QString>
#include <cstdint>

namespace core {

// The caption of a sample set (0..3) or a curve code (240..245); "?" otherwise.
QString CurveCaption(int16_t key);

// The name of a curve code 240..247: "Targets", "Dynamic", ... "Delta Down",
// as its option button and the chart's legend show it.
QString CurveName(int16_t code);

// The part of a path after its last separator.
QString FileNameOf(const QString& path);

}  // namespace core
