#include "cli/Output.h"

namespace cli {

void Output::Error(const QString& line) {
  // Results already written come first, as they were produced first.
  std::fflush(stdout);
  Write(stderr, QStringLiteral("mirelda-crv: ") + line);
}

void Output::Note(const QString& line) {
  std::fflush(stdout);
  Write(stderr, line);
}

void Output::Write(std::FILE* stream, const QString& line) {
  const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
  if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream) !=
      static_cast<std::size_t>(bytes.size())) {
    failed_ = true;
  }
}

bool Output::Finish() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) failed_ = true;
  if (std::fflush(stderr) != 0 || std::ferror(stderr) != 0) failed_ = true;
  return !failed_;
}

}  // namespace cli
