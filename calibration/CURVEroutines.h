#pragma once

#include <QString>
#include <cstdint>

#include "calibration/CurveWindow.h"
#include "core/CurveCodes.h"
#include "core/CurveNames.h"

// The calibration routines of one CRV file: its tables (see CurveTables.h)
// and what reads, derives and lists them on the main window. The curve codes,
// captions and names are the core's.
namespace CURVEroutines {

using namespace core;

// Returns the tables and the main window to the state of no file loaded.
void ResetCurves();

// Reads the CRV file at path into the tables; reports the outcome itself.
void ReadCurveFile(const QString& path);

// Lists one measured curve (241..245) with its target-sample heights selected.
void FillCurveList(int16_t code);

// Appends sample n of a set to the Targets list, starting a block at n == 0.
void AddSampleLine(int16_t set, int16_t n);

// Builds one difference curve from a loaded and an empty curve, and lists it.
void ComputeDelta(int16_t loadedCode, int16_t emptyCode, int16_t deltaCode);

// Reports an empty sample set as INVALID, or sorts it by height.
void CheckTargets(int16_t set);

// Shows the list of one plotted curve (series 0..6: Dynamic .. Delta Down)
// alone, with the given line current and flashed, and gives it the focus.
// A series, line or curve that is not there leaves the window as it is.
void ShowCurvePoint(int16_t series, int16_t line);

// The line of a plotted curve's list that shows a height: a measured curve's
// list starts with its caption, a difference curve's with height 0.
int16_t ListLineOfHeight(int16_t series, int16_t height);

}  // namespace CURVEroutines
