#include "OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

#include "FileName.h"

namespace cli {

namespace {

QString SystemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Root may write any file, so the mode bits alone say whether it is meant to
// be written; anyone else is asked about as the kernel would decide.
bool Writable(const QByteArray& name, const struct stat& info) {
  if (::geteuid() == 0) return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0;
}

QString Problem(const QByteArray& name, struct stat& info, bool& exists) {
  exists = false;
  if (name.isEmpty()) return SystemReason(ENOENT);
  if (::lstat(name.constData(), &info) != 0) {
    // A new name; a folder that is missing or closed shows when the file is made.
    return errno == ENOENT ? QString() : SystemReason(errno);
  }
  exists = true;
  if (S_ISLNK(info.st_mode)) {
    return QStringLiteral("it is a symbolic link; give the name of the file itself");
  }
  if (S_ISDIR(info.st_mode)) return SystemReason(EISDIR);
  if (!S_ISREG(info.st_mode)) {
    return QStringLiteral("it is a device, FIFO or socket, not a regular file");
  }
  if (!Writable(name, info)) return QStringLiteral("the file is read-only");
  return QString();
}

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

// Root replacing someone's file leaves it theirs where the file system lets
// it; if not, the chart is written all the same.
void KeepOwner(int fd, const struct stat& old) {
  [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
}

// A new file beside name, so that the rename stays within its file system,
// made as open(2) makes one: all may read and write, less the umask.
int CreateBeside(const QByteArray& name, QByteArray& temporary) {
  const qsizetype slash = name.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray() : name.left(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary =
        folder + ".mirelda-crv-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A file system that cannot sync a file has nothing more to do for it.
bool Synced(int fd) {
  return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

}  // namespace

QString OutputFileProblem(const QString& path) {
  struct stat info {};
  bool exists = false;
  return Problem(platform::EncodeFileName(path), info, exists);
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, QString& error) {
  const QByteArray name = platform::EncodeFileName(path);
  struct stat old {};
  bool exists = false;
  error = Problem(name, old, exists);
  if (!error.isEmpty()) return false;

  QByteArray temporary;
  const int fd = CreateBeside(name, temporary);
  if (fd < 0) {
    error = SystemReason(errno);
    return false;
  }
  if (exists && ::geteuid() == 0) KeepOwner(fd, old);
  bool done =
      (!exists || ::fchmod(fd, old.st_mode & 0777) == 0) && WriteAll(fd, bytes) && Synced(fd);
  int reason = errno;
  if (::close(fd) != 0 && done) {
    done = false;
    reason = errno;
  }
  if (done && ::rename(temporary.constData(), name.constData()) != 0) {
    done = false;
    reason = errno;
  }
  if (!done) {
    ::unlink(temporary.constData());
    error = SystemReason(reason);
  }
  return done;
}

bool WriteOutputFile(const QString& path,
                     const std::function<bool(QIODevice& device, QString& error)>& produce,
                     QString& error) {
  error = OutputFileProblem(path);
  if (!error.isEmpty()) return false;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!produce(buffer, error)) return false;
  return WriteOutputFile(path, buffer.data(), error);
}

}  // namespace cli
