#pragma once

#include <QString>

#include "core/CrvRules.h"

namespace cli {

// Why a read stopped, in words, for printing after the reader's message:
// 'field 4 "014772": a leading zero', or the rule alone. Empty for none.
QString ReasonText(const core::ReadProblem& problem);

}  // namespace cli
