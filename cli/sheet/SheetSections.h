#pragma once

#include <QString>

#include "cli/CurveCompare.h"
#include "cli/sheet/CalibrationSheet.h"
#include "cli/sheet/SheetFlow.h"

// The parts of a calibration sheet, each laid down the flow in its turn.
namespace cli {

// Who and what the sheet is of: installation, site, run, dates, file.
void IdentitySection(SheetFlow& flow, const SheetInput& in);
// The outcome in plain sentences, and the verdict when a tolerance was given.
void ResultSection(SheetFlow& flow, const SheetInput& in);
// The reference and the differences from it, curve by curve.
void ComparisonSection(SheetFlow& flow, const SheetInput& in, const CurveDifferences& differences);
void TargetsSection(SheetFlow& flow, const CurveSnapshot& curves);
void CurvesSection(SheetFlow& flow, const CurveSnapshot& curves);
// Lines of the file's own text under a heading, and how many were left out.
void FileLinesSection(SheetFlow& flow, const QString& heading, const ShownLines& lines,
                      const QString& none);
void SignatureSection(SheetFlow& flow, const SheetInput& in);
// The one page of a file that gave no curves: not a calibration sheet, and why.
void RefusalPage(SheetFlow& flow, const SheetInput& in);

}  // namespace cli
