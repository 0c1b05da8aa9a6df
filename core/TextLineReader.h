#pragma once

#include <sys/types.h>

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace core {

// Reads up to count bytes of an open file into buffer, as read(2) does.
using ReadFunction = std::function<ssize_t(int fd, void* buffer, std::size_t count)>;

// Every line reader reads through this function; tests put one in that fails
// part-way through a file. An empty one means read(2). Returns the one before.
ReadFunction SetReadFunction(ReadFunction read);

struct TextLineReaderOptions {
  // Bytes of each line kept; the rest of a longer line is only scanned.
  std::size_t headLimit = 4096;
  // Bytes asked of the file per read.
  std::size_t chunkSize = 64 * 1024;
  // Substrings looked for across the whole of each line, however long.
  std::vector<std::string> watch;
  // A UTF-8 byte-order mark at the very start of the file is dropped.
  bool skipUtf8Bom = true;
};

// One line as read: its head, whether it went on beyond the head, and for each
// watched substring whether it occurs anywhere in the full line.
struct TextLine {
  std::string head;
  bool truncated = false;
  std::uint64_t length = 0;
  std::vector<bool> contains;
};

// Sequential line input from a regular file in bounded memory. A line ends at
// CR or CR LF; a lone LF is part of the line; the last line needs no ending.
class TextLineReader {
 public:
  enum class Result { Line, End, Error };

  explicit TextLineReader(TextLineReaderOptions options = {});
  ~TextLineReader();
  TextLineReader(const TextLineReader&) = delete;
  TextLineReader& operator=(const TextLineReader&) = delete;

  // Opens path (by its bytes) for reading. Fails for anything but a regular
  // file, without waiting on FIFOs or devices.
  bool Open(const QString& path);
  // Why the last Open failed, in the system's words ("No such file or
  // directory"); empty after one that succeeded.
  const std::string& OpenFailure() const { return openFailure_; }
  // The next line, End after the last one, Error when the file cannot be read.
  Result Next(TextLine& line);
  void Close();

 private:
  bool Fill();
  void Append(TextLine& line, const char* bytes, std::size_t count);

  TextLineReaderOptions options_;
  std::string openFailure_;
  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool atStart_ = true;
  bool eof_ = false;
  bool failed_ = false;
  // The last bytes of the current line, so a watched substring split
  // between two appended pieces is still seen.
  std::string carry_;
};

}  // namespace core
