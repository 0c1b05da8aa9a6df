#include "cli/FileJson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "cli/PrintableName.h"
#include "cli/ReadReason.h"
#include "cli/TextDecode.h"
#include "core/FileNameBytes.h"
#include "core/StartName.h"

namespace cli {

namespace {

// JSON holds Unicode only: a name with bytes that are not UTF-8 is given as
// it is printed, its bytes escaped.
QString JsonName(const QString& name) {
  for (const QChar c : name) {
    if (core::IsEscapedByte(c)) return PrintableName(name);
  }
  return name;
}

QString OutcomeName(const FileRead& run) {
  if (!core::PassesCrvNameTest(run.file)) return QStringLiteral("not-crv");
  switch (run.read.end) {
    case core::ReadEnd::Whole:
      return QStringLiteral("read");
    case core::ReadEnd::CouldNotOpen:
      return QStringLiteral("could-not-open");
    case core::ReadEnd::Problem:
      return QStringLiteral("problem");
    case core::ReadEnd::Unfinished:
      return QStringLiteral("unfinished");
  }
  return QString();
}

QJsonValue OrNull(bool given, const QJsonValue& value) {
  return given ? value : QJsonValue(QJsonValue::Null);
}

}  // namespace

QJsonObject OutcomeJson(const FileRead& run) {
  const QString outcome = OutcomeName(run);
  const core::ReadProblem& problem = run.read.problem;
  const bool stopped =
      outcome == QLatin1String("problem") || outcome == QLatin1String("unfinished");
  const bool atLine = stopped && problem.line > 0;
  const bool atField = stopped && problem.field > 0;
  QString reason;
  if (stopped) {
    reason = RuleWords(problem);
  } else if (outcome != QLatin1String("read")) {
    reason = run.outcome.reason.isEmpty() ? run.outcome.message : run.outcome.reason;
  }
  return {
      {QStringLiteral("name"), JsonName(run.file)},
      {QStringLiteral("outcome"), outcome},
      {QStringLiteral("line"), OrNull(atLine, problem.line)},
      {QStringLiteral("field"), OrNull(atField, problem.field)},
      {QStringLiteral("text"),
       OrNull(atField, DecodeText(QByteArray::fromStdString(problem.fieldText)))},
      {QStringLiteral("rule"), OrNull(stopped, RuleName(problem))},
      {QStringLiteral("reason"), OrNull(!reason.isEmpty(), reason)},
      {QStringLiteral("warnings"), QJsonArray::fromStringList(run.outcome.warnings)},
  };
}

QJsonObject FolderJson(const QString& path, const QString& outcome, const QString& reason) {
  return {
      {QStringLiteral("name"), JsonName(path)},   {QStringLiteral("outcome"), outcome},
      {QStringLiteral("line"), QJsonValue::Null}, {QStringLiteral("field"), QJsonValue::Null},
      {QStringLiteral("text"), QJsonValue::Null}, {QStringLiteral("rule"), QJsonValue::Null},
      {QStringLiteral("reason"), reason},         {QStringLiteral("warnings"), QJsonArray()},
  };
}

QString JsonLine(const QJsonObject& object) {
  const QString json = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
  QString line;
  line.reserve(json.size());
  for (const QChar c : json) {
    // Outside strings JSON has no such characters, so each stands in one.
    if (c.unicode() == 0x7F || IsInvisible(c.unicode())) {
      line += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace cli
