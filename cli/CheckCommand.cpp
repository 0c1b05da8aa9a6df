// check: one line per file, the reader's outcome.
#include "Commands.h"
#include "CrvFiles.h"
#include "FileOutcome.h"
#include "PrintableName.h"

namespace cli {

int RunCheck(const Invocation& inv, Output& out) {
  bool allRead = true;
  int64_t read = 0;
  int64_t refused = 0;
  const auto failed = [&](const QString& line) {
    allRead = false;
    out.Result(line);
  };
  for (const QString& operand : inv.operands) {
    ForEachCrvFile(
        operand, inv.recursive,
        [&](const QString& file) {
          const FileOutcome outcome = ReadCrvFile(file).outcome;
          ++(outcome.success ? read : refused);
          if (!outcome.success) {
            failed(outcome.Line(file));
          } else if (!inv.quiet) {
            out.Result(outcome.Line(file));
          }
        },
        [&](const QString& path, const QString& message) {
          failed(PrintableName(path) + QStringLiteral(": ") + message);
        });
  }
  if (!inv.quiet) {
    const int64_t files = read + refused;
    out.Note(QStringLiteral("%1 %2: %3 read, %4 refused")
                 .arg(files)
                 .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"))
                 .arg(read)
                 .arg(refused));
  }
  return allRead ? kExitSuccess : kExitFailure;
}

}  // namespace cli
