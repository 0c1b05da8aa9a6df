#include "cli/sheet/SheetIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>

#include "cli/TextDecode.h"
#include "core/FileNameBytes.h"

namespace cli {

namespace {

constexpr qsizetype kIdentifierDigits = 12;
constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

QString FileIdentifier(const QString& path) {
  // By the name's bytes, as the reader opens it; only a regular file is read.
  const int fd = ::open(core::EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return QString();
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return QString();
  }
  QCryptographicHash hash(QCryptographicHash::Sha256);
  QByteArray buffer(kChunk, Qt::Uninitialized);
  ssize_t got = 0;
  while ((got = ::read(fd, buffer.data(), kChunk)) > 0) {
    hash.addData(QByteArrayView(buffer.constData(), got));
  }
  ::close(fd);
  if (got < 0) return QString();
  return QString::fromLatin1(hash.result().toHex().left(kIdentifierDigits));
}

QString HeaderField(const std::vector<core::PreambleLine>& lines, const QString& key) {
  const QByteArray prefix = key.toLatin1() + ':';
  // Matched on the bytes, so that only the line found is decoded.
  for (const core::PreambleLine& line : lines) {
    const QByteArray head = QByteArray::fromStdString(line.head);
    if (head.size() >= prefix.size() &&
        head.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0) {
      return DisplayLine(head.mid(prefix.size()), line.truncated).trimmed();
    }
  }
  return QString();
}

ShownLines FirstLines(const std::vector<core::PreambleLine>& lines, std::size_t total,
                      std::size_t shown) {
  ShownLines result;
  const std::size_t count = std::min(lines.size(), shown);
  for (std::size_t i = 0; i < count; ++i) {
    const core::PreambleLine& line = lines[i];
    result.lines.append(DisplayLine(QByteArray::fromStdString(line.head), line.truncated));
  }
  result.leftOut = std::max(total, lines.size()) - count;
  return result;
}

}  // namespace cli
