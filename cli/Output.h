#pragma once

#include <QString>
#include <cstdio>

namespace cli {

// Lines to standard output (results) and standard error (diagnostics), in
// the locale's encoding. Remembers whether any write failed, so that a full
// disk or a closed pipe is not reported as success.
class Output {
 public:
  void Result(const QString& line) { Write(stdout, line); }
  void Error(const QString& line);
  // A line to standard error that is no warning: a count, said as it is.
  void Note(const QString& line);
  // Flushes both streams; false when anything written was lost.
  bool Finish();

 private:
  void Write(std::FILE* stream, const QString& line);
  bool failed_ = false;
};

}  // namespace cli
