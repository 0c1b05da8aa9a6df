// list: the lists of the main window as text, or the curves as a table.
#include <optional>

#include "CURVEroutines.h"
#include "Commands.h"
#include "CurveCsv.h"
#include "FileOutcome.h"
#include "HeadlessWindow.h"
#include "PrintableName.h"

namespace cli {

namespace {

using CURVEroutines::kFirstCode;
using CURVEroutines::kLastCode;

// Letter case, blanks, hyphens and underscores aside: "loaded-up" is "Loaded Up".
QString Folded(const QString& name) {
  QString folded = name.toLower();
  folded.remove(QLatin1Char(' ')).remove(QLatin1Char('-')).remove(QLatin1Char('_'));
  return folded;
}

std::optional<int16_t> CurveNamed(const QString& name) {
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    if (Folded(CURVEroutines::CurveName(code)) == Folded(name)) return code;
  }
  return std::nullopt;
}

QString CurveNames() {
  QStringList names;
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    names.append(CURVEroutines::CurveName(code));
  }
  return names.join(QStringLiteral(", "));
}

// The lines as the list shows them; a marked line (a target sample's height)
// ends in " *", which no list line does of itself.
void PrintList(const platform::LineList& list, Output& out) {
  for (int i = 0; i < list.ListCount(); ++i) {
    out.Result(list.Selected(i) ? list.List(i) + QStringLiteral(" *") : list.List(i));
  }
}

}  // namespace

int RunList(const Invocation& inv, Output& out) {
  const QString& file = inv.operands.at(0);
  std::optional<int16_t> only;
  if (inv.operands.size() > 1) {
    only = CurveNamed(inv.operands.at(1));
    if (!only) {
      out.Error(QStringLiteral("unknown curve '%1'; the curves are %2")
                    .arg(PrintableName(inv.operands.at(1)), CurveNames()));
      return kExitUsage;
    }
  }
  HeadlessWindow window;
  if (!ReadOneFile(window, file, inv.quiet, out)) return kExitFailure;

  if (inv.csv) {
    for (const QString& row : CurveCsv()) out.Result(row);
  } else if (only) {
    PrintList(window.ListData(*only), out);
  } else {
    for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
      if (code != kFirstCode) out.Result(QString());
      out.Result(QLatin1Char('[') + CURVEroutines::CurveName(code) + QLatin1Char(']'));
      PrintList(window.ListData(code), out);
    }
  }
  return kExitSuccess;
}

}  // namespace cli
