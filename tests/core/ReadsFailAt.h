#pragma once

#include <unistd.h>

#include <QtGlobal>
#include <algorithm>
#include <cerrno>

#include "core/TextLineReader.h"

// While this lives, the reads of a file fail once offset bytes were given.
class ReadsFailAt {
 public:
  explicit ReadsFailAt(qsizetype offset)
      : previous_(core::SetReadFunction(
            [this, offset](int fd, void* buffer, std::size_t count) -> ssize_t {
              const auto end = static_cast<std::size_t>(offset);
              if (given_ == end) {
                errno = EIO;
                return -1;
              }
              const ssize_t got = ::read(fd, buffer, std::min(count, end - given_));
              given_ += static_cast<std::size_t>(std::max<ssize_t>(got, 0));
              return got;
            })) {}
  ~ReadsFailAt() { core::SetReadFunction(previous_); }
  ReadsFailAt(const ReadsFailAt&) = delete;
  ReadsFailAt& operator=(const ReadsFailAt&) = delete;

 private:
  std::size_t given_ = 0;
  core::ReadFunction previous_;
};
