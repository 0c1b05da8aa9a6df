#include "cli/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

#include "cli/SignalCleanup.h"
#include "platform/FileName.h"

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

// A file system that cannot sync a file has nothing more to do for it.
bool Synced(int fd) {
  return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

// The new content in the file open at fd, with the owner and mode of the
// file it replaces, if any.
bool Fill(int fd, const QByteArray& bytes, const struct stat* old) {
  if (old && ::geteuid() == 0) KeepOwner(fd, *old);
  return (!old || ::fchmod(fd, old->st_mode & 0777) == 0) && WriteAll(fd, bytes) && Synced(fd);
}

QByteArray TemporaryName(const QByteArray& name) {
  const qsizetype slash = name.lastIndexOf('/');
  return name.left(slash + 1) + ".mirelda-crv-" +
         QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

// Closes fd; the reason for failing: the step before, or the close itself
// when nothing failed before it.
int Close(int fd, bool& done) {
  const int reason = errno;
  if (::close(fd) != 0 && done) {
    done = false;
    return errno;
  }
  return reason;
}

// A named temporary removed again, and no longer looked after.
void Discard(const QByteArray& temporary) {
  ::unlink(temporary.constData());
  ForgetOnSignal();
}

// The name looked after before the file has it, so that a signal taken in
// any thread finds it; no longer when the file could not have it.
bool Named(bool made) {
  const int reason = errno;
  if (!made) ForgetOnSignal();
  errno = reason;
  return made;
}

enum class Written { Done, Failed, Unsupported };

#ifdef O_TMPFILE
// The folder that holds name, so that the new file is made in it and the
// rename stays within one file system.
QByteArray FolderOf(const QByteArray& name) {
  const qsizetype slash = name.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

// Gives the unnamed file open at fd a temporary name beside name: directly
// where the program may (AT_EMPTY_PATH), else through /proc.
bool LinkBeside(int fd, const QByteArray& name, QByteArray& temporary) {
  const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = TemporaryName(name);
    RemoveOnSignal(temporary);
    const bool linked =
        ::linkat(fd, "", AT_FDCWD, temporary.constData(), AT_EMPTY_PATH) == 0 ||
        (errno != EEXIST && ::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, temporary.constData(),
                                     AT_SYMLINK_FOLLOW) == 0);
    if (Named(linked)) return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

// The content written to a file without a name (O_TMPFILE) in the output's
// folder, so that nothing is left of it when the program is stopped, even
// by KILL, then linked under a temporary name. Unsupported where the kernel,
// the file system or a missing /proc do not allow it.
Written WriteUnnamed(const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                     QByteArray& temporary, int& reason) {
  const int fd = ::open(FolderOf(name).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return Written::Unsupported;
  if (!Fill(fd, bytes, old)) {
    bool done = false;
    reason = Close(fd, done);
    return Written::Failed;
  }
  bool done = LinkBeside(fd, name, temporary);
  const bool linked = done;
  reason = Close(fd, done);
  if (done) return Written::Done;
  if (linked) Discard(temporary);
  return linked ? Written::Failed : Written::Unsupported;
}
#else
Written WriteUnnamed(const QByteArray&, const QByteArray&, const struct stat*, QByteArray&, int&) {
  return Written::Unsupported;
}
#endif

// The content written to a new file beside name under a temporary name,
// which a signal that can be caught removes, made as open(2) makes one: all
// may read and write, less the umask.
Written WriteNamed(const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                   QByteArray& temporary, int& reason) {
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryName(name);
    RemoveOnSignal(temporary);
    fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (!Named(fd >= 0) && errno != EEXIST) break;
  }
  if (fd < 0) {
    reason = errno;
    return Written::Failed;
  }
  bool done = Fill(fd, bytes, old);
  reason = Close(fd, done);
  if (done) return Written::Done;
  Discard(temporary);
  return Written::Failed;
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
  int reason = 0;
  const struct stat* replaced = exists ? &old : nullptr;
  Written written = WriteUnnamed(name, bytes, replaced, temporary, reason);
  if (written == Written::Unsupported) {
    written = WriteNamed(name, bytes, replaced, temporary, reason);
  }
  if (written == Written::Done) {
    const SignalsHeld held;
    if (::rename(temporary.constData(), name.constData()) == 0) {
      ForgetOnSignal();
      return true;
    }
    reason = errno;
    ::unlink(temporary.constData());
    ForgetOnSignal();
  }
  error = SystemReason(reason);
  return false;
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
