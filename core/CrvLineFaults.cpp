#include "core/CrvLineFaults.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/AsciiCase.h"
#include "core/CanonicalNumber.h"
#include "core/CurveCodes.h"

namespace core {

namespace {

constexpr int64_t kInt16Min = std::numeric_limits<int16_t>::min();
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
// Row values after the height; a sixth field is only the allowed last comma.
constexpr std::size_t kRowValues = 5;

// The line's comma-separated fields. Of a truncated line the last field is
// cut, so it is left out: only whole fields are judged.
std::vector<std::string_view> Fields(std::string_view head, bool truncated) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t comma = head.find(',');
    if (comma == std::string_view::npos) break;
    fields.push_back(head.substr(0, comma));
    head.remove_prefix(comma + 1);
  }
  if (!truncated) fields.push_back(head);
  return fields;
}

bool IsWholeNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsBlankOrPlus(char c) {
  return c == ' ' || c == '\t' || c == '+';
}

// A plus sign or a blank makes text unreadable: the first from the left is named.
CrvRule PlusOrBlank(std::string_view text) {
  const std::size_t first = text.find_first_of(" \t+");
  return first != std::string_view::npos && text[first] == '+' ? CrvRule::PlusSign
                                                                : CrvRule::Blank;
}

std::string WithoutBlanksOrPlus(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (!IsBlankOrPlus(c)) kept += c;
  }
  return kept;
}

// The rule a number field breaks, None when it is canonical and within
// min..max; outside them, tooLow or tooHigh.
CrvRule NumberFault(std::string_view text, int64_t min, int64_t max, CrvRule tooLow,
                    CrvRule tooHigh) {
  if (text.empty()) return CrvRule::EmptyField;
  const std::string kept = WithoutBlanksOrPlus(text);
  if (kept.size() != text.size()) {
    return IsWholeNumber(kept) ? PlusOrBlank(text) : CrvRule::NotWholeNumber;
  }
  if (!IsWholeNumber(text)) return CrvRule::NotWholeNumber;
  const bool negative = text.starts_with('-');
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (digits.size() > 1 && digits.front() == '0') return CrvRule::LeadingZero;
  if (negative && digits == "0") return CrvRule::MinusZero;
  if (ParseCanonical(text, min, max)) return CrvRule::None;
  return negative ? tooLow : tooHigh;
}

// The same for a height written with its percent sign, "45%".
CrvRule PercentFault(std::string_view text, int64_t min, int64_t max, CrvRule tooLow,
                     CrvRule tooHigh) {
  if (text.find('%') == std::string_view::npos) return CrvRule::MissingPercent;
  const std::string kept = WithoutBlanksOrPlus(text);
  if (kept.size() != text.size() && kept.ends_with('%') &&
      IsWholeNumber(std::string_view(kept).substr(0, kept.size() - 1))) {
    return PlusOrBlank(text);
  }
  if (!text.ends_with('%') || text.size() == 1) return CrvRule::NotWholeNumber;
  return NumberFault(text.substr(0, text.size() - 1), min, max, tooLow, tooHigh);
}

ReadProblem At(std::size_t index, std::string_view text, CrvRule rule) {
  ReadProblem problem;
  problem.rule = rule;
  problem.field = static_cast<int16_t>(index + 1);
  problem.fieldText = std::string(text);
  return problem;
}

}  // namespace

ReadProblem ExplainDataRow(std::string_view head, bool truncated, int row) {
  if (head.empty() && !truncated) return WholeLine(CrvRule::BlankLineInRows);
  const std::vector<std::string_view> fields = Fields(head, truncated);
  if (fields.empty()) return WholeLine(CrvRule::LineTooLong);

  const std::string due = std::to_string(row) + "%";
  if (fields[0] != due) {
    CrvRule rule = PercentFault(fields[0], kInt16Min, std::numeric_limits<int16_t>::max(),
                                CrvRule::HeightOutOfOrder, CrvRule::HeightOutOfOrder);
    if (rule == CrvRule::None) rule = CrvRule::HeightOutOfOrder;
    ReadProblem problem = At(0, fields[0], rule);
    if (rule == CrvRule::HeightOutOfOrder) problem.dueRow = static_cast<int16_t>(row);
    return problem;
  }
  for (std::size_t i = 1; i < fields.size() && i <= kRowValues; ++i) {
    const bool last = i + 1 == fields.size() && !truncated;
    if (fields[i].empty() && last) return WholeLine(CrvRule::TooFewFields);
    const CrvRule rule =
        NumberFault(fields[i], kInt32Min, kInt32Max, CrvRule::Beyond32Bit, CrvRule::Beyond32Bit);
    if (rule != CrvRule::None) return At(i, fields[i], rule);
  }
  if (truncated) return WholeLine(CrvRule::LineTooLong);
  if (fields.size() <= kRowValues) return WholeLine(CrvRule::TooFewFields);
  // Only one empty field may follow the values: the last comma.
  const std::size_t extra = kRowValues + 1;
  if (fields.size() > extra + 1 || (fields.size() == extra + 1 && !fields[extra].empty())) {
    return At(extra, fields[extra], CrvRule::TooManyFields);
  }
  return WholeLine(CrvRule::None);
}

ReadProblem ExplainSampleLine(std::string_view head, bool truncated) {
  const std::vector<std::string_view> fields = Fields(head, truncated);
  if (!fields.empty()) {
    const CrvRule rule = PercentFault(fields[0], kInt16Min, kEmptySlot - 1, CrvRule::Beyond16Bit,
                                      CrvRule::SampleHeight255);
    if (rule != CrvRule::None) return At(0, fields[0], rule);
  }
  if (fields.size() > 1) {
    const CrvRule rule =
        NumberFault(fields[1], kInt32Min, kInt32Max, CrvRule::Beyond32Bit, CrvRule::Beyond32Bit);
    if (rule != CrvRule::None) return At(1, fields[1], rule);
  }
  if (fields.size() > 2) return At(2, fields[2], CrvRule::TooManyFields);
  if (truncated) return WholeLine(CrvRule::LineTooLong);
  return WholeLine(fields.size() < 2 ? CrvRule::TooFewFields : CrvRule::None);
}

ReadProblem ExplainElevLine(std::string_view head, bool truncated) {
  const std::vector<std::string_view> fields = Fields(head, truncated);
  if (!fields.empty() && !EqualsUpper(fields[0], "ELEVUP") && !EqualsUpper(fields[0], "ELEVDOWN")) {
    return At(0, fields[0], CrvRule::NotSwitchKeyword);
  }
  if (fields.size() > 1) {
    const CrvRule rule = PercentFault(fields[1], 0, kLastHeight, CrvRule::SwitchHeightRange,
                                      CrvRule::SwitchHeightRange);
    if (rule != CrvRule::None) return At(1, fields[1], rule);
  }
  if (fields.size() > 2) return At(2, fields[2], CrvRule::TooManyFields);
  if (truncated) return WholeLine(CrvRule::LineTooLong);
  return WholeLine(fields.size() < 2 ? CrvRule::TooFewFields : CrvRule::None);
}

}  // namespace core
