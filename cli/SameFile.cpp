#include "cli/SameFile.h"

#include <sys/stat.h>

#include <utility>

#include "cli/PrintableName.h"
#include "platform/FileName.h"

namespace cli {

bool SameFile(const QString& a, const QString& b) {
  struct stat first {
  }, second{};
  return ::stat(platform::EncodeFileName(a).constData(), &first) == 0 &&
         ::stat(platform::EncodeFileName(b).constData(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool OutputOverInput(const Invocation& inv, Output& out) {
  if (inv.output.isEmpty()) return false;
  const QString output = PrintableName(inv.output);
  for (const auto& [read, role] :
       {std::pair(inv.operands.value(0), "input"), std::pair(inv.reference, "reference")}) {
    if (read.isEmpty() || !SameFile(inv.output, read)) continue;
    const QString what = read == inv.output ? QStringLiteral("the %1").arg(QLatin1String(role))
                                            : QStringLiteral("the same file as the %1 '%2'")
                                                  .arg(QLatin1String(role), PrintableName(read));
    out.Error(QStringLiteral("'%1' is %2; give the output another name").arg(output, what));
    return true;
  }
  return false;
}

}  // namespace cli
