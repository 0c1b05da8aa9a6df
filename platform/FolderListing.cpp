#include "platform/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "platform/FileName.h"

namespace platform {

namespace {

bool NameOrder(const FolderEntry& a, const FolderEntry& b) {
  const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
  return folded != 0 ? folded < 0 : a.name < b.name;
}

}  // namespace

QString PathIn(const QString& folder, const QString& name) {
  // Without doubling the root's slash.
  return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

EntryKind KindOf(const QString& path) {
  struct stat info {};
  if (path.isEmpty() || ::stat(EncodeFileName(path).constData(), &info) != 0) {
    return EntryKind::Missing;
  }
  if (S_ISDIR(info.st_mode)) return EntryKind::Folder;
  return S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Other;
}

std::vector<FolderEntry> ListFolder(const QString& folder, const QString& filter) {
  std::vector<FolderEntry> folders;
  std::vector<FolderEntry> files;
  DIR* dir = ::opendir(EncodeFileName(folder).constData());
  if (dir == nullptr) return folders;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    const QString name = DecodeFileName(QByteArray(entry->d_name));
    const EntryKind kind = KindOf(PathIn(folder, name));
    if (kind == EntryKind::Folder) {
      folders.push_back({name, true});
    } else if (kind == EntryKind::File && FilterLists(filter, name)) {
      files.push_back({name, false});
    }
  }
  ::closedir(dir);
  std::sort(folders.begin(), folders.end(), NameOrder);
  std::sort(files.begin(), files.end(), NameOrder);
  folders.insert(folders.end(), files.begin(), files.end());
  return folders;
}

bool FilterLists(const QString& filter, const QString& name) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 1; i < parts.size(); i += 2) {
    for (const QString& pattern : parts[i].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QRegularExpression re(
          QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
          QRegularExpression::CaseInsensitiveOption);
      // Matched as shown: the expression takes no lone surrogates.
      if (re.match(ShownFileName(name)).hasMatch()) return true;
    }
  }
  return false;
}

QString TypedPath(const QString& folder, const QString& typed) {
  QString path = typed;
  if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
    path = QDir::homePath() + path.mid(1);
  } else if (!path.startsWith(QLatin1Char('/'))) {
    path = PathIn(folder, path);
  }
  return FileNameFromShown(path);
}

QString FolderAbove(const QString& path) {
  const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
  return cut <= 0 ? QStringLiteral("/") : path.left(cut);
}

}  // namespace platform
