#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "cli/ChartExtras.h"
#include "cli/CurveSnapshot.h"
#include "cli/FileOutcome.h"
#include "core/CrvRead.h"

// What a technician reads about one file, in the words info and the sheet share.
namespace cli {

// The lines before the header as they stand, each made printable; of a line
// too long to keep, its start and its length.
QStringList PreambleText(const core::CrvRead& read);

// "STRAIN, chart range 44 to 116 mV".
QString SensorText(const ChartScale& scale);

// "46%", or "none".
QString SwitchText(int16_t height);

// "Loaded Up Samples: 5", "Empty Up Samples: 0 INVALID!" where the viewer warns.
QString SampleCountLine(const CurveSnapshot& snapshot, int16_t set);

}  // namespace cli
