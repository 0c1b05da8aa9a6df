#include "cli/ReadReason.h"

#include <QByteArray>

#include "cli/PrintableName.h"
#include "core/FileNameBytes.h"

namespace cli {

namespace {

// A field longer than this is shown by its start: the line number says where
// the rest is.
constexpr qsizetype kLongestFieldShown = 80;

}  // namespace

QString RuleWords(const core::ReadProblem& problem) {
  if (problem.rule == core::CrvRule::NoHeader)
    return QString::fromStdString(core::HeaderReasonText(problem.header));
  QString rule = QString::fromLatin1(core::CrvRuleText(problem.rule));
  return rule.replace(QStringLiteral("%1"), QString::number(problem.dueRow));
}

QString RuleName(const core::ReadProblem& problem) {
  // A file without a header is named by what its lines suggest.
  const std::string_view name = problem.rule == core::CrvRule::NoHeader
                                    ? core::HeaderFaultName(problem.header.fault)
                                    : core::CrvRuleName(problem.rule);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString ReasonText(const core::ReadProblem& problem) {
  if (problem.rule == core::CrvRule::None) return QString();
  const QString rule = RuleWords(problem);
  if (problem.field == 0) return rule;
  QString text = core::DecodeFileName(QByteArray::fromStdString(problem.fieldText));
  if (text.size() > kLongestFieldShown)
    text = text.left(kLongestFieldShown) + QStringLiteral("...");
  return QStringLiteral("field %1 \"%2\": %3")
      .arg(QString::number(problem.field), PrintableName(text), rule);
}

}  // namespace cli
