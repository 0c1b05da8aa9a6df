#pragma once

#include <QString>

#include "core/CrvRules.h"

namespace cli {

// Why a read stopped, in words, for printing after the reader's message:
// 'field 4 "014772": a leading zero', or the rule alone. Empty for none.
QString ReasonText(const core::ReadProblem& problem);

// The rule alone, in words ("a leading zero", "the file ends before the row
// of 63%") and by its short name for scripts ("leading-zero", "lf-only").
QString RuleWords(const core::ReadProblem& problem);
QString RuleName(const core::ReadProblem& problem);

}  // namespace cli
