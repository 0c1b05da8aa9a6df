// check: one line per file, the reader's outcome, as text or as JSON.
#include "cli/Commands.h"
#include "cli/CrvFiles.h"
#include "cli/FileJson.h"
#include "cli/FileOutcome.h"
#include "cli/PrintableName.h"

namespace cli {

namespace {

QString Count(int64_t n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

int RunCheck(const Invocation& inv, Output& out) {
  int64_t read = 0;
  int64_t refused = 0;
  // Folders not walked and folders that could not be read: no file in them was checked.
  int64_t notChecked = 0;
  for (const QString& operand : inv.operands) {
    ForEachCrvFile(
        operand, inv.recursive,
        [&](const QString& file) {
          const FileRead run = ReadCrvFile(file);
          ++(run.outcome.success ? read : refused);
          if (run.outcome.success && inv.quiet) return;
          out.Result(inv.json ? JsonLine(OutcomeJson(run)) : run.outcome.Line(file));
        },
        [&](const QString& path, const QString& message) {
          ++notChecked;
          const QString outcome = message == kNotWalked ? QStringLiteral("folder")
                                                        : QStringLiteral("unreadable-folder");
          out.Result(inv.json ? JsonLine(FolderJson(path, outcome, message))
                              : PrintableName(path) + QStringLiteral(": ") + message);
        });
  }
  if (!inv.quiet) {
    QString summary = QStringLiteral("%1: %2 read, %3 refused")
                          .arg(Count(read + refused, "file", "files"))
                          .arg(read)
                          .arg(refused);
    if (notChecked > 0)
      summary += QStringLiteral(", %1 not checked").arg(Count(notChecked, "folder", "folders"));
    out.Note(summary);
  }
  return refused == 0 && notChecked == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace cli
