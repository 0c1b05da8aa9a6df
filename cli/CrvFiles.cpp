#include "cli/CrvFiles.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "core/FileNameBytes.h"
#include "core/StartName.h"

namespace cli {

namespace {

using core::DecodeFileName;
using core::EncodeFileName;

const QString kUnreadable = QStringLiteral("Could not read directory!");

bool IsDirectory(const QByteArray& path) {
  struct stat info {};
  return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

struct Entry {
  QByteArray name;
  unsigned char type;  // as readdir gives it; DT_UNKNOWN on some file systems
};

// The names in a directory, by their bytes (names need not be UTF-8), in
// byte order; false when it cannot be read whole.
bool ReadEntries(const QByteArray& path, std::vector<Entry>& entries) {
  DIR* dir = ::opendir(path.constData());
  if (dir == nullptr) return false;
  errno = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
      entries.push_back({QByteArray(entry->d_name), entry->d_type});
    }
  }
  const bool whole = errno == 0;
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.name < b.name; });
  return whole;
}

void Walk(const QByteArray& dirPath, const std::function<void(const QString&)>& file,
          const std::function<void(const QString&, const QString&)>& problem) {
  std::vector<Entry> entries;
  // A directory that cannot be read would list as empty: its files would go
  // unchecked unnoticed.
  if (!ReadEntries(dirPath, entries)) {
    problem(DecodeFileName(dirPath), kUnreadable);
    return;
  }
  const QByteArray prefix = dirPath.endsWith('/') ? dirPath : dirPath + '/';
  for (const Entry& entry : entries) {
    const QByteArray path = prefix + entry.name;
    unsigned char type = entry.type;
    if (type == DT_UNKNOWN) {
      struct stat info {};
      if (::lstat(path.constData(), &info) == 0) {
        type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
      }
    }
    // Linked directories are not entered, so no loop is walked.
    if (type == DT_DIR) {
      Walk(path, file, problem);
    } else if (!(type == DT_LNK && IsDirectory(path)) &&
               core::PassesCrvNameTest(DecodeFileName(entry.name))) {
      file(DecodeFileName(path));
    }
  }
}

}  // namespace

void ForEachCrvFile(
    const QString& operand, bool recursive, const std::function<void(const QString& file)>& file,
    const std::function<void(const QString& path, const QString& message)>& problem) {
  const QByteArray path = EncodeFileName(operand);
  if (!IsDirectory(path)) {
    file(operand);
  } else if (!recursive) {
    problem(operand, kNotWalked);
  } else {
    Walk(path, file, problem);
  }
}

}  // namespace cli
