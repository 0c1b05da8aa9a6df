// check: one line per file, the reader's outcome.
#include "Commands.h"
#include "CrvFiles.h"
#include "FileOutcome.h"
#include "HeadlessWindow.h"
#include "PrintableName.h"

namespace cli {

int RunCheck(const Invocation& inv, Output& out) {
  HeadlessWindow window;
  bool allRead = true;
  const auto failed = [&](const QString& line) {
    allRead = false;
    out.Result(line);
  };
  for (const QString& operand : inv.operands) {
    ForEachCrvFile(
        operand, inv.recursive,
        [&](const QString& file) {
          const FileOutcome outcome = ReadCrvFile(window, file);
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
  return allRead ? kExitSuccess : kExitFailure;
}

}  // namespace cli
