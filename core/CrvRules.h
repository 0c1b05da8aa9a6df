#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/HeaderClues.h"

// Why a read of a CRV file stopped: the rule of the format that a line broke,
// or why the file did not reach its end. The read value carries it beside
// its outcome; the viewer never shows it, mirelda-crv prints it.
namespace core {

enum class CrvRule : int16_t {
  None,
  // The file did not reach the end of its rows ("Could not fully process").
  NoHeader,
  EndsBeforeRow,
  ReadError,
  // A line broke the format ("Problem with ... at line N").
  TooManyLines,
  LineTooLong,
  BlankLineInRows,
  HeightOutOfOrder,
  MissingPercent,
  EmptyField,
  PlusSign,
  Blank,
  LeadingZero,
  MinusZero,
  NotWholeNumber,
  Beyond32Bit,
  Beyond16Bit,
  SampleHeight255,
  SwitchHeightRange,
  TooManyFields,
  TooFewFields,
  NotSwitchKeyword,
  ThirdSwitchLine,
  FiftiethSample,
};
inline constexpr int kCrvRuleCount = static_cast<int>(CrvRule::FiftiethSample) + 1;

// The rule in words, as a technician reads it after the reader's message.
// A rule that names the data row due holds "%1" where its height goes.
std::string_view CrvRuleText(CrvRule rule);

// A short name of the rule for scripts: "leading-zero", "no-header", ...
std::string_view CrvRuleName(CrvRule rule);

struct ReadProblem {
  CrvRule rule = CrvRule::None;
  int32_t line = 0;   // the line the read stopped at; 0 when it reached the end
  int16_t field = 0;  // 1-based among the line's comma-separated fields; 0 for none
  std::string fieldText;
  int16_t dueRow = -1;  // the data row due, for the rules that name it
  HeaderReason header;  // for NoHeader: what the lines before the end suggest
};

// A rule that the line, or the file, breaks as a whole.
inline ReadProblem WholeLine(CrvRule rule) {
  ReadProblem problem;
  problem.rule = rule;
  return problem;
}

}  // namespace core
