#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "cli/Invocation.h"
#include "cli/PrintableName.h"

namespace cli {

namespace {

// Large enough for a poster, small enough that an image of it fits in memory.
constexpr int kLargestSide = 10000;
// Device pixel ratios of the screens in use.
constexpr double kLargestScale = 4;

bool CommandNamed(const QString& word, Action& action) {
  static const std::pair<const char*, Action> kCommands[] = {
      {"check", Action::Check}, {"list", Action::List},       {"chart", Action::Chart},
      {"info", Action::Info},   {"compare", Action::Compare}, {"report", Action::Report},
      {"help", Action::Help}};
  for (const auto& [name, named] : kCommands) {
    if (word == QLatin1String(name)) {
      action = named;
      return true;
    }
  }
  return false;
}

std::optional<QSize> SizeOf(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
  const QRegularExpressionMatch match = shape.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  if (size.width() > kLargestSide || size.height() > kLargestSide) return std::nullopt;
  return size;
}

// A plain decimal, as "1.5": no sign, exponent or locale's separator.
std::optional<double> ScaleOf(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,6})?$"));
  if (!shape.match(text).hasMatch()) return std::nullopt;
  const double scale = text.toDouble();
  if (scale < 1 || scale > kLargestScale) return std::nullopt;
  return scale;
}

QString CheckOperands(const Invocation& inv) {
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
      if (inv.output.isEmpty()) return QStringLiteral("chart needs '-o OUT'");
      return QString();
    case Action::Info:
      return count != 1 ? QStringLiteral("info takes exactly one FILE") : QString();
    case Action::Compare:
      return count != 2 ? QStringLiteral("compare takes a REF and a FILE") : QString();
    case Action::Report:
      if (count != 1) return QStringLiteral("report takes exactly one FILE");
      if (inv.output.isEmpty()) return QStringLiteral("report needs '-o SHEET.pdf'");
      if (!inv.output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return QStringLiteral("'%1': the sheet is written as .pdf").arg(inv.output);
      }
      return QString();
    case Action::Help:
    case Action::Version:
      return QString();
  }
  return QString();
}

// The options every command knows. Each is parsed wherever it stands before
// "--"; a short option takes its value joined ("-oOUT") or as the next word.
struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
  QCommandLineOption version{QStringLiteral("version"), QString()};
  QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")}, QString()};
  QCommandLineOption recursive{{QStringLiteral("r"), QStringLiteral("recursive")}, QString()};
  QCommandLineOption csv{QStringLiteral("csv"), QString()};
  QCommandLineOption json{QStringLiteral("json"), QString()};
  QCommandLineOption output{
      {QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("OUT")};
  QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("WxH")};
  QCommandLineOption scale{QStringLiteral("scale"), QString(), QStringLiteral("F")};
  QCommandLineOption reference{QStringLiteral("reference"), QString(), QStringLiteral("REF")};
  QCommandLineOption marks{QStringLiteral("marks"), QString()};
  QCommandLineOption tolerance{QStringLiteral("tolerance"), QString(), QStringLiteral("VOLTS")};
  QCommandLineOption site{QStringLiteral("site"), QString(), QStringLiteral("TEXT")};
  QCommandLineOption technician{QStringLiteral("technician"), QString(), QStringLiteral("NAME")};
  QCommandLineOption issued{QStringLiteral("issued"), QString(), QStringLiteral("DATE")};

  void AddTo(QCommandLineParser& parser) const {
    parser.addOptions({help, version, quiet, recursive, csv, json, output, size, scale, reference,
                       marks, tolerance, site, technician, issued});
  }
};

// Volts written as a plain decimal, with a point or a comma: "0.05", "1", ",5".
std::optional<double> VoltsOf(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^(?:[0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)$"));
  if (!shape.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double volts = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
  if (!ok || !std::isfinite(volts)) return std::nullopt;
  return volts;
}

// A calendar date written YYYY-MM-DD.
QDate DateOf(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
  if (!shape.match(text).hasMatch()) return QDate();
  return QDate::fromString(text, Qt::ISODate);
}

Parsed Usage(const QString& error) {
  return {Invocation{}, error};
}

}  // namespace

Parsed ParseArguments(const QStringList& words) {
  const Options options;
  QCommandLineParser parser;
  options.AddTo(parser);
  // The parser takes the program's name first; it is not among the words.
  const bool understood = parser.parse(QStringList{QStringLiteral("mirelda-crv")} + words);
  const QStringList positional = parser.positionalArguments();
  Action action = Action::Help;
  const bool known = !positional.isEmpty() && CommandNamed(positional.first(), action);

  // Help and version win over anything else on the line, as users expect,
  // even over words that make no sense.
  if (parser.isSet(options.help) || (known && action == Action::Help))
    return {Invocation{}, QString()};
  if (parser.isSet(options.version)) {
    Invocation version;
    version.action = Action::Version;
    return {version, QString()};
  }
  // Its messages quote the words given.
  if (!understood) return Usage(PrintableName(parser.errorText()));
  if (positional.isEmpty()) return Usage(QStringLiteral("no command given"));
  if (!known)
    return Usage(QStringLiteral("unknown command '%1'").arg(PrintableName(positional.first())));

  Invocation inv;
  inv.action = action;
  inv.operands = positional.mid(1);
  inv.quiet = parser.isSet(options.quiet);
  inv.recursive = parser.isSet(options.recursive);
  inv.csv = parser.isSet(options.csv);
  inv.json = parser.isSet(options.json);
  // Given twice, the last one counts.
  if (parser.isSet(options.output)) {
    inv.output = parser.values(options.output).constLast();
    if (inv.output.isEmpty()) return Usage(QStringLiteral("'--output' needs a file name"));
  }
  if (parser.isSet(options.size)) {
    const std::optional<QSize> size = SizeOf(parser.values(options.size).constLast());
    if (!size) {
      return Usage(QStringLiteral("'--size' needs WIDTHxHEIGHT in pixels, each from 1 to %1")
                       .arg(kLargestSide));
    }
    inv.size = *size;
  }
  if (parser.isSet(options.scale)) {
    inv.scale = ScaleOf(parser.values(options.scale).constLast());
    if (!inv.scale) return Usage(QStringLiteral("'--scale' needs a number from 1 to 4"));
    if (std::nearbyint(std::max(inv.size.width(), inv.size.height()) * *inv.scale) > kLargestSide) {
      return Usage(QStringLiteral("'--size' times '--scale' gives more than %1 pixels a side")
                       .arg(kLargestSide));
    }
  }
  if (parser.isSet(options.reference)) {
    inv.reference = parser.values(options.reference).constLast();
    if (inv.reference.isEmpty()) return Usage(QStringLiteral("'--reference' needs a file name"));
  }
  inv.marks = parser.isSet(options.marks);
  if (parser.isSet(options.tolerance)) {
    inv.tolerance = VoltsOf(parser.values(options.tolerance).constLast());
    if (!inv.tolerance) {
      return Usage(QStringLiteral("'--tolerance' needs volts, a number such as 0.05"));
    }
  }

  // The sheet's own words for who and where.
  if (parser.isSet(options.site)) inv.site = parser.values(options.site).constLast();
  if (parser.isSet(options.technician))
    inv.technician = parser.values(options.technician).constLast();
  inv.issued = QDate::currentDate();
  if (parser.isSet(options.issued)) {
    inv.issued = DateOf(parser.values(options.issued).constLast());
    if (!inv.issued.isValid())
      return Usage(QStringLiteral("'--issued' needs a date as YYYY-MM-DD"));
  }

  if (inv.recursive && inv.action != Action::Check)
    return Usage(QStringLiteral("'--recursive' goes with check"));
  if (inv.csv && inv.action != Action::List && inv.action != Action::Compare)
    return Usage(QStringLiteral("'--csv' goes with list and compare"));
  if (inv.json && inv.action != Action::Check && inv.action != Action::Info)
    return Usage(QStringLiteral("'--json' goes with check and info"));
  const bool drawn = inv.action == Action::Chart || inv.action == Action::Report;
  if (parser.isSet(options.output) && !drawn)
    return Usage(QStringLiteral("'--output' goes with chart and report"));
  if ((parser.isSet(options.size) || inv.scale) && inv.action != Action::Chart)
    return Usage(QStringLiteral("'--size' and '--scale' go with chart"));
  if (parser.isSet(options.reference) && !drawn)
    return Usage(QStringLiteral("'--reference' goes with chart and report"));
  if (inv.marks && inv.action != Action::Chart)
    return Usage(QStringLiteral("'--marks' goes with chart (a report always has them)"));
  if (inv.tolerance && inv.action != Action::Compare && inv.action != Action::Report)
    return Usage(QStringLiteral("'--tolerance' goes with compare and report"));
  if (inv.tolerance && inv.action == Action::Report && inv.reference.isEmpty())
    return Usage(QStringLiteral("'--tolerance' with report needs '--reference REF'"));
  const bool sheetWords = parser.isSet(options.site) || parser.isSet(options.technician) ||
                          parser.isSet(options.issued);
  if (sheetWords && inv.action != Action::Report)
    return Usage(QStringLiteral("'--site', '--technician' and '--issued' go with report"));
  const QString operandError = CheckOperands(inv);
  if (!operandError.isEmpty()) return Usage(operandError);
  return {inv, QString()};
}

}  // namespace cli
