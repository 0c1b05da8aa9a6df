// list: the lists of the main window as text, or the curves as a table.
#include <optional>
#include <vector>

#include "cli/Commands.h"
#include "cli/CurveCsv.h"
#include "cli/FileOutcome.h"
#include "cli/PrintableName.h"
#include "cli/RunCsv.h"
#include "core/CurveNames.h"
#include "core/ListText.h"

namespace cli {

namespace {

using core::kFirstCode;
using core::kLastCode;

// Letter case, blanks, hyphens and underscores aside: "loaded-up" is "Loaded Up".
QString Folded(const QString& name) {
  QString folded = name.toLower();
  folded.remove(QLatin1Char(' ')).remove(QLatin1Char('-')).remove(QLatin1Char('_'));
  return folded;
}

std::optional<int16_t> CurveNamed(const QString& name) {
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    if (Folded(core::CurveName(code)) == Folded(name)) return code;
  }
  return std::nullopt;
}

QString CurveNames() {
  QStringList names;
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    names.append(core::CurveName(code));
  }
  return names.join(QStringLiteral(", "));
}

// The lines of a curve's list in the main window after a whole read.
std::vector<core::ListLine> ListLines(const core::CrvRead& read, int16_t code) {
  if (code == core::kTargets) {
    std::vector<core::ListLine> lines;
    for (const QString& line : core::TargetsListLines(read)) lines.push_back({line, false});
    return lines;
  }
  const core::PlottedCurves curves = core::PlottedOf(read);
  const core::Curve& curve = curves[static_cast<std::size_t>(code - core::kDynamic)];
  if (code >= core::kDeltaUp) return core::DeltaListLines(curve);
  // Dynamic has no sample set; the others have set code - 242.
  const core::SampleTables sets = core::CheckedSampleSets(read);
  const int set = code - core::kLoadedUp;
  const core::SampleSlots* cells = set >= 0 ? &sets[static_cast<std::size_t>(set)] : nullptr;
  return core::CurveListLines(code, curve, cells != nullptr && cells->present ? cells : nullptr);
}

// The lines as the list shows them; a marked line (a target sample's height)
// ends in " *", which no list line does of itself.
void PrintList(const std::vector<core::ListLine>& lines, Output& out) {
  for (const core::ListLine& line : lines) {
    out.Result(line.marked ? line.text + QStringLiteral(" *") : line.text);
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
  const FileRead run = ReadOneFile(file, inv.quiet, out, inv.csv);
  if (!run.outcome.success) return kExitFailure;

  if (inv.csv) {
    const CurveSnapshot curves = SnapshotOf(file, run.read);
    for (const QString& row : CurveCsv(curves) + RunCsv(curves, run.read)) out.Result(row);
  } else if (only) {
    PrintList(ListLines(run.read, *only), out);
  } else {
    for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
      if (code != kFirstCode) out.Result(QString());
      out.Result(QLatin1Char('[') + core::CurveName(code) + QLatin1Char(']'));
      PrintList(ListLines(run.read, code), out);
    }
  }
  return kExitSuccess;
}

}  // namespace cli
