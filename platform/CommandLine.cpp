#include "CommandLine.h"

namespace platform {

QString ArgumentString(const QStringList& arguments) {
  return arguments.mid(1).join(QLatin1Char(' '));
}

}  // namespace platform
