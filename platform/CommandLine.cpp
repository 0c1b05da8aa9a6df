#include "platform/CommandLine.h"

#include "platform/FileName.h"

namespace platform {

QString ArgumentString(const QStringList& arguments) {
  return arguments.mid(1).join(QLatin1Char(' '));
}

CommandLine::CommandLine(int argc, char** argv) : qtArgc_(argc > 0 ? 1 : 0) {
  for (int i = 0; i < argc; ++i) arguments_ << DecodeFileName(QByteArray(argv[i]));
  qtArgv_[0] = argc > 0 ? argv[0] : nullptr;
  qtArgv_[1] = nullptr;
}

}  // namespace platform
