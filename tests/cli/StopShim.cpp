// Loaded into mirelda-crv by the output file tests (LD_PRELOAD). Set by the
// environment, it stops the program with a signal at a moment of writing its
// output file (SHIM_STOP=write:N, link:N or rename:N), makes the system seem
// to lack files without a name or the means to link them (SHIM_NO_TMPFILE,
// SHIM_NO_LINK), and notes in SHIM_LOG where files are made and renamed.
// SHIM_NO_DTYPE makes folders list their entries without a type, as some
// file systems do.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <typename Function>
Function Next(Function, const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

void Note(const char* what, const char* path) {
  const char* log = std::getenv("SHIM_LOG");
  if (!log) return;
  if (std::FILE* file = std::fopen(log, "a")) {
    std::fprintf(file, "%s %s\n", what, path);
    std::fclose(file);
  }
}

bool gStopped = false;

void StopAt(const char* point) {
  char where[16];
  int signal = 0;
  const char* stop = std::getenv("SHIM_STOP");
  if (!gStopped && stop && std::sscanf(stop, "%15[a-z]:%d", where, &signal) == 2 &&
      std::strcmp(where, point) == 0) {
    gStopped = true;
    ::raise(signal);
  }
}

// The files the program makes for its output, by descriptor.
bool gMade[1024];

int Opened(int fd, const char* path, int flags) {
  if (fd >= 0 && fd < 1024 && (flags & (O_CREAT | O_TMPFILE))) {
    gMade[fd] = true;
    Note((flags & O_TMPFILE) == O_TMPFILE ? "tmpfile" : "create", path);
  }
  return fd;
}

int Open(int (*real)(const char*, int, ...), const char* path, int flags, mode_t mode) {
  if ((flags & O_TMPFILE) == O_TMPFILE && std::getenv("SHIM_NO_TMPFILE")) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return Opened(real(path, flags, mode), path, flags);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  static const auto real = Next(&open, "open");
  va_list more;
  va_start(more, flags);
  const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(more, mode_t) : 0;
  va_end(more);
  return Open(real, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  static const auto real = Next(&open64, "open64");
  va_list more;
  va_start(more, flags);
  const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(more, mode_t) : 0;
  va_end(more);
  return Open(real, path, flags, mode);
}

int close(int fd) {
  static const auto real = Next(&close, "close");
  if (fd >= 0 && fd < 1024) gMade[fd] = false;
  return real(fd);
}

// Half of the first write to an output file, then the stop.
ssize_t write(int fd, const void* data, size_t size) {
  static const auto real = Next(&write, "write");
  if (fd < 0 || fd >= 1024 || !gMade[fd] || size < 2) return real(fd, data, size);
  const ssize_t written = real(fd, data, size / 2);
  StopAt("write");
  return written;
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
  static const auto real = Next(&linkat, "linkat");
  if (std::getenv("SHIM_NO_LINK")) {
    errno = ENOENT;
    return -1;
  }
  const int result = real(fromFolder, from, toFolder, to, flags);
  if (result == 0) {
    Note("link", to);
    StopAt("link");
  }
  return result;
}

struct dirent* readdir(DIR* dir) {
  static const auto real = Next(&readdir, "readdir");
  struct dirent* entry = real(dir);
  if (entry && std::getenv("SHIM_NO_DTYPE")) entry->d_type = DT_UNKNOWN;
  return entry;
}

struct dirent64* readdir64(DIR* dir) {
  static const auto real = Next(&readdir64, "readdir64");
  struct dirent64* entry = real(dir);
  if (entry && std::getenv("SHIM_NO_DTYPE")) entry->d_type = DT_UNKNOWN;
  return entry;
}

int rename(const char* from, const char* to) {
  static const auto real = Next(&rename, "rename");
  Note("rename", from);
  StopAt("rename");
  return real(from, to);
}

}  // extern "C"
