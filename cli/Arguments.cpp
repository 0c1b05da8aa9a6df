#include <QRegularExpression>
#include <optional>

#include "Invocation.h"

namespace cli {

namespace {

// Large enough for a poster, small enough that an image of it fits in memory.
constexpr int kLargestSide = 10000;

std::optional<Action> CommandNamed(const QString& word) {
  if (word == QStringLiteral("check")) return Action::Check;
  if (word == QStringLiteral("list")) return Action::List;
  if (word == QStringLiteral("chart")) return Action::Chart;
  if (word == QStringLiteral("help")) return Action::Help;
  return std::nullopt;
}

std::optional<QSize> SizeOf(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
  const QRegularExpressionMatch match = shape.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  if (size.width() > kLargestSide || size.height() > kLargestSide) return std::nullopt;
  return size;
}

// Walks the words: options may stand anywhere before "--".
class Parser {
 public:
  explicit Parser(const QStringList& words) : words_(words) {}
  Parsed Run();

 private:
  bool Option(const QString& word);
  // The value of an option given as "--name=value" or as the next word.
  std::optional<QString> Value(const QString& word, const QString& name);
  QString CheckOperands() const;
  void Fail(const QString& error) {
    if (result_.error.isEmpty()) result_.error = error;
  }

  const QStringList& words_;
  qsizetype next_ = 0;
  Parsed result_;
  bool commandSeen_ = false;
  bool helpAsked_ = false;
  bool versionAsked_ = false;
  bool outputGiven_ = false;
  bool sizeGiven_ = false;
};

Parsed Parser::Run() {
  Invocation& inv = result_.invocation;
  bool optionsEnd = false;
  while (next_ < words_.size()) {
    const QString word = words_[next_++];
    if (!optionsEnd && word == QStringLiteral("--")) {
      optionsEnd = true;
    } else if (!optionsEnd && word.startsWith(QLatin1Char('-')) && word.size() > 1) {
      if (!Option(word)) Fail(QStringLiteral("unknown option '%1'").arg(word));
    } else if (!commandSeen_) {
      commandSeen_ = true;
      const std::optional<Action> action = CommandNamed(word);
      if (!action) Fail(QStringLiteral("unknown command '%1'").arg(word));
      if (action == Action::Help) helpAsked_ = true;
      inv.action = action.value_or(Action::Help);
    } else {
      inv.operands.append(word);
    }
  }
  // Help and version win over anything else on the line, as users expect.
  if (helpAsked_) {
    return {Invocation{}, QString()};
  }
  if (versionAsked_) {
    Invocation version;
    version.action = Action::Version;
    return {version, QString()};
  }
  if (!commandSeen_) Fail(QStringLiteral("no command given"));
  if (inv.recursive && inv.action != Action::Check)
    Fail(QStringLiteral("'--recursive' goes with check"));
  if (inv.csv && inv.action != Action::List) Fail(QStringLiteral("'--csv' goes with list"));
  if ((outputGiven_ || sizeGiven_) && inv.action != Action::Chart) {
    Fail(QStringLiteral("'--output' and '--size' go with chart"));
  }
  Fail(CheckOperands());
  return result_;
}

bool Parser::Option(const QString& word) {
  Invocation& inv = result_.invocation;
  const QString name = word.section(QLatin1Char('='), 0, 0);
  if (word == QStringLiteral("--help") || word == QStringLiteral("-h")) {
    helpAsked_ = true;
  } else if (word == QStringLiteral("--version")) {
    versionAsked_ = true;
  } else if (word == QStringLiteral("--quiet") || word == QStringLiteral("-q")) {
    inv.quiet = true;
  } else if (word == QStringLiteral("--recursive") || word == QStringLiteral("-r")) {
    inv.recursive = true;
  } else if (word == QStringLiteral("--csv")) {
    inv.csv = true;
  } else if (name == QStringLiteral("--output") || word == QStringLiteral("-o")) {
    const std::optional<QString> value = Value(word, name);
    if (!value || value->isEmpty()) {
      Fail(QStringLiteral("'%1' needs a file name").arg(name));
    } else {
      inv.output = *value;
      outputGiven_ = true;
    }
  } else if (name == QStringLiteral("--size")) {
    const std::optional<QString> value = Value(word, name);
    const std::optional<QSize> size = value ? SizeOf(*value) : std::nullopt;
    if (!size) {
      Fail(QStringLiteral("'--size' needs WIDTHxHEIGHT in pixels, each from 1 to %1")
               .arg(kLargestSide));
    } else {
      inv.size = *size;
      sizeGiven_ = true;
    }
  } else {
    return false;
  }
  return true;
}

std::optional<QString> Parser::Value(const QString& word, const QString& name) {
  if (word.size() > name.size()) {
    return name.startsWith(QStringLiteral("--")) ? std::optional(word.mid(name.size() + 1))
                                                 : std::nullopt;
  }
  if (next_ >= words_.size()) return std::nullopt;
  return words_[next_++];
}

QString Parser::CheckOperands() const {
  const Invocation& inv = result_.invocation;
  const qsizetype count = inv.operands.size();
  switch (inv.action) {
    case Action::Check:
      return count == 0 ? QStringLiteral("check needs at least one FILE") : QString();
    case Action::List:
      if (count == 0) return QStringLiteral("list needs a FILE");
      if (count > 2) return QStringLiteral("list takes one FILE and at most one CURVE");
      if (count == 2 && inv.csv) return QStringLiteral("--csv lists every curve: give no CURVE");
      return QString();
    case Action::Chart:
      if (count != 1) return QStringLiteral("chart takes exactly one FILE");
      if (!outputGiven_) return QStringLiteral("chart needs '-o OUT'");
      return QString();
    case Action::Help:
    case Action::Version:
      return QString();
  }
  return QString();
}

}  // namespace

Parsed ParseArguments(const QStringList& words) {
  return Parser(words).Run();
}

}  // namespace cli
