#include "core/CrvRead.h"

#include <array>
#include <utility>

#include "core/AsciiCase.h"
#include "core/CrvLineFaults.h"
#include "core/CurveCodes.h"
#include "core/CurveNames.h"

namespace core {

namespace {

constexpr int16_t kSeekingHeader = -1;
constexpr int16_t kInTrailer = kLastHeight + 1;
constexpr int16_t kNoSection = -1;
// The most samples one heading may be followed by; the next one is an error.
constexpr std::size_t kSampleLimit = kSampleSlots - 1;

// Watched across each whole line, so a line too long to keep still gets the
// outcome the format gives it.
constexpr std::size_t kWatchPercentComma = 0;
constexpr std::size_t kWatchComma = 1;

TextLineReaderOptions ReaderOptions() {
  TextLineReaderOptions options;
  options.watch = {"%,", ","};
  return options;
}

enum class Outcome { Continue, FormatError };

// The section headings in upper case, made once: every trailer line is
// compared with them, and a file may have tens of thousands of lines.
const std::array<std::string, kSampleSets>& HeadingsUpper() {
  static const std::array<std::string, kSampleSets> headings = [] {
    std::array<std::string, kSampleSets> upper;
    for (int16_t set = 0; set < kSampleSets; ++set) {
      upper[static_cast<std::size_t>(set)] = CurveCaption(set).toUpper().toStdString();
    }
    return upper;
  }();
  return headings;
}

// One read while it walks the lines of the file, filling the value.
class CrvReader {
 public:
  CrvReader(CrvRead& read, bool keepPreamble) : read_(read), keepPreamble_(keepPreamble) {}
  Outcome Handle(const TextLine& line);
  bool Complete() const { return rowState_ == kInTrailer; }
  // Why the read did not reach the trailer.
  ReadProblem Unfinished(bool readError) const;
  ReadProblem TakeProblem() { return std::move(problem_); }

 private:
  Outcome HandleDataRow(const TextLine& line);
  Outcome HandleTrailer(const TextLine& line);
  Outcome HandleSample(const TextLine& line);
  Outcome HandleElev(const TextLine& line);
  void Remark(const TextLine& line);
  Outcome Refuse(ReadProblem problem) {
    problem_ = std::move(problem);
    return Outcome::FormatError;
  }

  CrvRead& read_;
  bool keepPreamble_;
  const std::array<std::string, kSampleSets>& headings_ = HeadingsUpper();
  ReadProblem problem_;
  int16_t rowState_ = kSeekingHeader;
  int16_t section_ = kNoSection;
  HeaderClues clues_;
};

Outcome CrvReader::Handle(const TextLine& line) {
  if (rowState_ == kSeekingHeader) {
    if (IsHeaderLine(line.head, line.truncated)) {
      rowState_ = 0;
      return Outcome::Continue;
    }
    clues_.See(line.head, line.truncated);
    if (keepPreamble_) read_.preamble.push_back({line.head, line.truncated, line.length});
    return Outcome::Continue;
  }
  if (rowState_ < kInTrailer) return HandleDataRow(line);
  return HandleTrailer(line);
}

ReadProblem CrvReader::Unfinished(bool readError) const {
  ReadProblem problem = WholeLine(readError                     ? CrvRule::ReadError
                                  : rowState_ == kSeekingHeader ? CrvRule::NoHeader
                                                                : CrvRule::EndsBeforeRow);
  if (problem.rule == CrvRule::EndsBeforeRow) problem.dueRow = rowState_;
  if (problem.rule == CrvRule::NoHeader) problem.header = clues_.Reason();
  return problem;
}

Outcome CrvReader::HandleDataRow(const TextLine& line) {
  const auto values = line.truncated ? std::nullopt : ParseDataRow(line.head, rowState_);
  if (!values) return Refuse(ExplainDataRow(line.head, line.truncated, rowState_));
  read_.rows.push_back(*values);
  ++rowState_;
  return Outcome::Continue;
}

void CrvReader::Remark(const TextLine& line) {
  if (line.head.find_first_not_of(' ') == std::string::npos) return;
  if (read_.remarks.size() < kRemarksKept) {
    read_.remarks.push_back({line.head, line.truncated, line.length});
  }
  ++read_.remarkCount;
}

Outcome CrvReader::HandleTrailer(const TextLine& line) {
  bool heading = false;
  for (std::size_t set = 0; set < headings_.size() && !line.truncated; ++set) {
    if (EqualsUpper(line.head, headings_[set])) {
      section_ = static_cast<int16_t>(set);
      read_.blocks.push_back({section_, {}});
      heading = true;
    }
  }
  if (heading) return Outcome::Continue;
  return section_ == kNoSection ? HandleElev(line) : HandleSample(line);
}

Outcome CrvReader::HandleSample(const TextLine& line) {
  // Comments inside a section are lines without "%,".
  if (!line.contains[kWatchPercentComma] || line.length == 0) {
    // Only a read that keeps the preamble keeps remarks; the viewer's does not.
    if (keepPreamble_) Remark(line);
    return Outcome::Continue;
  }
  const auto sample = line.truncated ? std::nullopt : ParseSampleLine(line.head);
  if (!sample) return Refuse(ExplainSampleLine(line.head, line.truncated));
  std::vector<Sample>& samples = read_.blocks.back().samples;
  samples.push_back({sample->height, sample->value});
  // The sample that reaches the limit is taken in all the same.
  if (samples.size() >= kSampleLimit) return Refuse(WholeLine(CrvRule::FiftiethSample));
  return Outcome::Continue;
}

Outcome CrvReader::HandleElev(const TextLine& line) {
  if (!StartsWithUpper(line.head, "ELEV") || !line.contains[kWatchComma]) {
    // Only a read that keeps the preamble keeps remarks; the viewer's does not.
    if (keepPreamble_) Remark(line);
    return Outcome::Continue;
  }
  const auto elev = line.truncated ? std::nullopt : ParseElevLine(line.head);
  if (!elev) return Refuse(ExplainElevLine(line.head, line.truncated));
  read_.switches.push_back({elev->up, elev->height});
  // A third line is refused only after its height was taken in.
  if (read_.switches.size() > 2) return Refuse(WholeLine(CrvRule::ThirdSwitchLine));
  return Outcome::Continue;
}

}  // namespace

CrvFile::CrvFile(const QString& path) : reader_(ReaderOptions()), open_(reader_.Open(path)) {}

CrvRead ReadCrv(CrvFile& file, bool keepPreamble) {
  CrvRead read;
  if (!file.IsOpen()) {
    read.openFailure = file.OpenFailure();
    return read;
  }
  TextLineReader& lines = file.reader_;
  CrvReader reader(read, keepPreamble);
  TextLine line;
  int32_t lineNumber = 0;
  TextLineReader::Result result;
  while ((result = lines.Next(line)) == TextLineReader::Result::Line) {
    ++lineNumber;
    if (lineNumber > kLastLineNumber || reader.Handle(line) == Outcome::FormatError) {
      lines.Close();
      read.end = ReadEnd::Problem;
      read.problem =
          lineNumber > kLastLineNumber ? WholeLine(CrvRule::TooManyLines) : reader.TakeProblem();
      read.problem.line = lineNumber;
      return read;
    }
  }
  lines.Close();
  // A read error part-way is no success, even after the last data row.
  if (result == TextLineReader::Result::End && reader.Complete()) {
    read.end = ReadEnd::Whole;
  } else {
    read.end = ReadEnd::Unfinished;
    read.problem = reader.Unfinished(result == TextLineReader::Result::Error);
  }
  return read;
}

CrvRead ReadCrv(const QString& path, bool keepPreamble) {
  CrvFile file(path);
  return ReadCrv(file, keepPreamble);
}

}  // namespace core
