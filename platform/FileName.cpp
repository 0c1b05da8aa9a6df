#include "platform/FileName.h"

#include <dirent.h>

#include <QFile>
#include <QStringList>
#include <optional>

namespace platform {

namespace {

// The one entry of folder (bytes) that Qt shows as shown, or nothing.
std::optional<QByteArray> EntryShownAs(const QByteArray& folder, const QString& shown) {
  DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
  if (dir == nullptr) return std::nullopt;
  std::optional<QByteArray> found;
  int matches = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const QByteArray name(entry->d_name);
    if (QFile::decodeName(name) != shown) continue;
    found = name;
    ++matches;
  }
  ::closedir(dir);
  return matches == 1 ? found : std::nullopt;
}

}  // namespace

QString FileNameFromShown(const QString& path) {
  if (!path.contains(QChar::ReplacementCharacter)) return path;
  const QStringList names = path.split(QLatin1Char('/'));
  QByteArray bytes;
  for (qsizetype i = 0; i < names.size(); ++i) {
    if (i > 0) bytes += '/';
    if (!names[i].contains(QChar::ReplacementCharacter)) {
      bytes += EncodeFileName(names[i]);
      continue;
    }
    const std::optional<QByteArray> entry = EntryShownAs(bytes, names[i]);
    if (!entry) return path;
    bytes += *entry;
  }
  return DecodeFileName(bytes);
}

}  // namespace platform
