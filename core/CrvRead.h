#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "core/CrvLines.h"
#include "core/CrvRules.h"
#include "core/TextLineReader.h"

// Reading a CRV file gives one value: what the file held, as far as it was
// read, and how the read ended. Everything shown of a file is derived from it.
namespace core {

enum class ReadEnd {
  Whole,         // the header, all 101 rows and the trailer: the file counts
  CouldNotOpen,  // openFailure says why
  Problem,       // a line broke the format: problem says which and why
  Unfinished,    // ended before the header or a row, or could not be read on
};

// One line before the header, its bytes as the reader splits lines (at CR or
// CR LF, a UTF-8 byte-order mark at the start dropped), of which only the
// first 4 KiB are kept.
struct PreambleLine {
  std::string head;
  bool truncated = false;
  std::uint64_t length = 0;  // of the whole line, in bytes
};

inline constexpr std::size_t kRemarksKept = 100;

struct SwitchLine {
  bool up;
  int16_t height;
};

struct Sample {
  int16_t height;
  int32_t value;
};

// A section heading and the samples after it, in file order.
struct SampleBlock {
  int16_t set;
  std::vector<Sample> samples;
};

struct CrvRead {
  ReadEnd end = ReadEnd::CouldNotOpen;
  std::string openFailure;
  // Why the read stopped; rule None for a whole read or a failed open.
  ReadProblem problem;
  // The lines before the header (for a file without one, every line read),
  // when the read was asked to keep them.
  std::vector<PreambleLine> preamble;
  // The trailer's remarks, kept with the preamble: lines the format skips
  // that hold more than spaces ("Note: empty up samples not taken"), the
  // first kRemarksKept of them, and how many there were.
  std::vector<PreambleLine> remarks;
  std::size_t remarkCount = 0;
  // The data rows taken in, from height 0 up: 101 of them in a whole read.
  std::vector<RowValues> rows;
  // The elevation-switch lines and the section blocks in file order. A read
  // refused at a third switch line or a 50th sample holds that line too, as
  // the tables take it in before the refusal.
  std::vector<SwitchLine> switches;
  std::vector<SampleBlock> blocks;

  bool Whole() const { return end == ReadEnd::Whole; }
  // The file was opened, so it has lines to show.
  bool Opened() const { return end != ReadEnd::CouldNotOpen; }
};

// A CRV file opened by its name's bytes, before anything of it is read: the
// viewer says it is reading only once the file is open.
class CrvFile {
 public:
  explicit CrvFile(const QString& path);
  bool IsOpen() const { return open_; }
  const std::string& OpenFailure() const { return reader_.OpenFailure(); }

 private:
  friend CrvRead ReadCrv(CrvFile& file, bool keepPreamble);
  TextLineReader reader_;
  bool open_;
};

// Reads the file line by line in bounded memory, whatever the length of its
// lines, and closes it. The preamble is kept only when asked for.
CrvRead ReadCrv(CrvFile& file, bool keepPreamble = true);
CrvRead ReadCrv(const QString& path, bool keepPreamble = true);

}  // namespace core
