#include "core/TextLineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/FileNameBytes.h"

namespace core {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kMinChunk = 16;

ReadFunction& CurrentRead() {
  static ReadFunction read;
  return read;
}

ssize_t Read(int fd, void* buffer, std::size_t count) {
  const ReadFunction& read = CurrentRead();
  return read ? read(fd, buffer, count) : ::read(fd, buffer, count);
}

}  // namespace

ReadFunction SetReadFunction(ReadFunction read) {
  ReadFunction previous = std::move(CurrentRead());
  CurrentRead() = std::move(read);
  return previous;
}

TextLineReader::TextLineReader(TextLineReaderOptions options) : options_(std::move(options)) {
  options_.chunkSize = std::max(options_.chunkSize, kMinChunk);
}

TextLineReader::~TextLineReader() {
  Close();
}

bool TextLineReader::Open(const QString& path) {
  Close();
  openFailure_.clear();
  const QByteArray name = EncodeFileName(path);
  if (name.isEmpty()) {
    openFailure_ = std::strerror(ENOENT);
    return false;
  }
  // Non-blocking, so that opening a FIFO without a writer returns at once.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openFailure_ = std::strerror(errno);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    openFailure_ = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  // Left unfilled: only what read(2) puts in is ever looked at.
  buffer_ = std::make_unique_for_overwrite<char[]>(options_.chunkSize);
  pos_ = end_ = 0;
  atStart_ = true;
  eof_ = failed_ = false;
  return true;
}

void TextLineReader::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  buffer_.reset();
  pos_ = end_ = 0;
  eof_ = true;
}

// Makes at least one unread byte available; false at the end of the file or on an error.
bool TextLineReader::Fill() {
  if (pos_ < end_) return true;
  if (eof_ || failed_ || fd_ < 0) return false;
  pos_ = end_ = 0;
  // At the start, read on until the byte-order mark can be recognised.
  const std::size_t want = atStart_ && options_.skipUtf8Bom ? kUtf8Bom.size() : 1;
  while (end_ < want) {
    const ssize_t got = Read(fd_, buffer_.get() + end_, options_.chunkSize - end_);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      failed_ = true;
      return false;
    }
    if (got == 0) {
      eof_ = true;
      break;
    }
    end_ += static_cast<std::size_t>(got);
  }
  if (atStart_ && options_.skipUtf8Bom &&
      std::string_view(buffer_.get(), end_).starts_with(kUtf8Bom)) {
    pos_ = kUtf8Bom.size();
  }
  atStart_ = false;
  // A file that began with only the mark may hold more after it.
  return pos_ < end_ || Fill();
}

void TextLineReader::Append(TextLine& line, const char* bytes, std::size_t count) {
  if (count == 0) return;
  line.length += count;
  const std::size_t kept = std::min(count, options_.headLimit - line.head.size());
  line.head.append(bytes, kept);
  if (kept < count) line.truncated = true;

  const std::string_view piece(bytes, count);
  std::size_t longest = 0;
  for (std::size_t i = 0; i < options_.watch.size(); ++i) {
    const std::string& needle = options_.watch[i];
    longest = std::max(longest, needle.size());
    if (line.contains[i] || needle.empty()) continue;
    // Across the seam: the carried tail joined to the start of this piece.
    std::string seam = carry_;
    seam.append(piece.substr(0, needle.size() - 1));
    line.contains[i] =
        seam.find(needle) != std::string::npos || piece.find(needle) != std::string_view::npos;
  }
  // Keep the last longest-1 bytes of the line for the next seam.
  const std::size_t keep = longest > 0 ? longest - 1 : 0;
  if (count >= keep) {
    carry_.assign(piece.substr(count - keep));
  } else {
    carry_.append(piece);
    carry_.erase(0, carry_.size() - std::min(carry_.size(), keep));
  }
}

TextLineReader::Result TextLineReader::Next(TextLine& line) {
  line.head.clear();
  line.truncated = false;
  line.length = 0;
  line.contains.assign(options_.watch.size(), false);
  carry_.clear();

  if (!Fill()) return failed_ ? Result::Error : Result::End;
  for (;;) {
    if (!Fill()) return failed_ ? Result::Error : Result::Line;  // last line, no ending
    const char* start = buffer_.get() + pos_;
    const std::size_t available = end_ - pos_;
    const void* cr = std::memchr(start, '\r', available);
    if (cr == nullptr) {
      Append(line, start, available);
      pos_ = end_;
      continue;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
    Append(line, start, length);
    pos_ += length + 1;
    // A LF right after the CR belongs to the same line ending, even in the next chunk.
    if (Fill() && buffer_[pos_] == '\n') ++pos_;
    if (failed_) return Result::Error;
    return Result::Line;
  }
}

}  // namespace core
