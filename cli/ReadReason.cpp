#include "ReadReason.h"

#include <QByteArray>

#include "PrintableName.h"
#include "core/FileNameBytes.h"

namespace cli {

namespace {

// A field longer than this is shown by its start: the line number says where
// the rest is.
constexpr qsizetype kLongestFieldShown = 80;

}  // namespace

QString ReasonText(const core::ReadProblem& problem) {
  if (problem.rule == core::CrvRule::None) return QString();
  if (problem.rule == core::CrvRule::NoHeader)
    return QString::fromStdString(core::HeaderReasonText(problem.header));
  QString rule = QString::fromLatin1(core::CrvRuleText(problem.rule));
  rule.replace(QStringLiteral("%1"), QString::number(problem.dueRow));
  if (problem.field == 0) return rule;
  QString text = core::DecodeFileName(QByteArray::fromStdString(problem.fieldText));
  if (text.size() > kLongestFieldShown)
    text = text.left(kLongestFieldShown) + QStringLiteral("...");
  return QStringLiteral("field %1 \"%2\": %3")
      .arg(QString::number(problem.field), PrintableName(text), rule);
}

}  // namespace cli
