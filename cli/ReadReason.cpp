#include "ReadReason.h"

#include <QByteArray>

#include "FileName.h"

namespace cli {

namespace {

// A field longer than this is shown by its start: the line number says where
// the rest is.
constexpr qsizetype kLongestFieldShown = 80;

// Control characters and bytes that are not UTF-8 shown as escapes, so one
// result stays one line.
QString Printable(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (platform::IsEscapedByte(text[i]) && (i == 0 || !text[i - 1].isHighSurrogate())) {
      shown += QStringLiteral("\\x%1").arg(c - 0xDC00, 2, 16, QLatin1Char('0'));
    } else if (c == '\n') {
      shown += QStringLiteral("\\n");
    } else if (c == '\t') {
      shown += QStringLiteral("\\t");
    } else if (c < 0x20 || c == 0x7F) {
      shown += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    } else {
      shown += text[i];
    }
  }
  return shown;
}

}  // namespace

QString ReasonText(const CURVEroutines::ReadProblem& problem) {
  if (problem.rule == CURVEroutines::CrvRule::None) return QString();
  QString rule = QString::fromLatin1(CURVEroutines::CrvRuleText(problem.rule));
  rule.replace(QStringLiteral("%1"), QString::number(problem.dueRow));
  if (problem.field == 0) return rule;
  QString text = platform::DecodeFileName(QByteArray::fromStdString(problem.fieldText));
  if (text.size() > kLongestFieldShown)
    text = text.left(kLongestFieldShown) + QStringLiteral("...");
  return QStringLiteral("field %1 \"%2\": %3")
      .arg(QString::number(problem.field), Printable(text), rule);
}

}  // namespace cli
