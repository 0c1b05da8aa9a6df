#pragma once

#include <string_view>

#include "core/CrvRules.h"

// Why a line that its parser refused breaks the format: the first field, from
// the left, that breaks a rule, or the rule the line as a whole breaks. Asked
// only after a refusal, so a good file never pays for it. head is the kept
// start of the line; truncated says the line went on beyond it.
namespace core {

// A data row where the row of height row is due.
ReadProblem ExplainDataRow(std::string_view head, bool truncated, int row);
// A line in a sample section that holds "%,".
ReadProblem ExplainSampleLine(std::string_view head, bool truncated);
// A trailer line before the first section that starts with ELEV and holds a comma.
ReadProblem ExplainElevLine(std::string_view head, bool truncated);

}  // namespace core
