#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "AsciiCase.h"
#include "CURVEroutines.h"
#include "CrvLineFaults.h"
#include "CrvLines.h"
#include "CrvRules.h"
#include "CurveTables.h"
#include "MessageBox.h"
#include "TextLineReader.h"

namespace CURVEroutines {

namespace {

constexpr int16_t kSeekingHeader = -1;
constexpr int16_t kInTrailer = kLastHeight + 1;
constexpr int16_t kNoSection = -1;
// The most samples one heading may be followed by; the next one is an error.
constexpr int16_t kSampleLimit = kSampleSlots - 1;

// Watched across each whole line, so a line too long to keep still gets the
// outcome the format gives it.
constexpr std::size_t kWatchPercentComma = 0;
constexpr std::size_t kWatchComma = 1;

platform::TextLineReaderOptions ReaderOptions() {
  platform::TextLineReaderOptions options;
  options.watch = {"%,", ","};
  return options;
}

enum class Outcome { Continue, FormatError };

// The state of one read while it walks the lines of the file.
class CrvReader {
 public:
  Outcome Handle(const platform::TextLine& line);
  bool Complete() const { return rowState_ == kInTrailer; }
  // Why the read did not reach the trailer.
  ReadProblem Unfinished(bool readError) const;
  // Why the last line handled was refused.
  ReadProblem TakeProblem() { return std::move(problem_); }

 private:
  Outcome HandleDataRow(const platform::TextLine& line);
  Outcome HandleTrailer(const platform::TextLine& line);
  Outcome HandleSample(const platform::TextLine& line);
  Outcome HandleElev(const platform::TextLine& line);
  Outcome Refuse(ReadProblem problem) {
    problem_ = std::move(problem);
    return Outcome::FormatError;
  }

  ReadProblem problem_;
  int16_t rowState_ = kSeekingHeader;
  int16_t section_ = kNoSection;
  int16_t sampleNumber_ = 0;
  int16_t elevCount_ = 0;
};

Outcome CrvReader::Handle(const platform::TextLine& line) {
  if (rowState_ == kSeekingHeader) {
    if (IsHeaderLine(line.head, line.truncated)) rowState_ = 0;
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
  return problem;
}

Outcome CrvReader::HandleDataRow(const platform::TextLine& line) {
  const auto values = line.truncated ? std::nullopt : ParseDataRow(line.head, rowState_);
  if (!values) return Refuse(ExplainDataRow(line.head, line.truncated, rowState_));
  for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
    CurveValues(code, rowState_) = (*values)[static_cast<std::size_t>(code - kDynamic)];
  }
  ++rowState_;
  return Outcome::Continue;
}

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

Outcome CrvReader::HandleTrailer(const platform::TextLine& line) {
  for (int16_t set = 0; set < kSampleSets; ++set) {
    if (!line.truncated && EqualsUpper(line.head, HeadingsUpper()[static_cast<std::size_t>(set)])) {
      section_ = set;
      sampleNumber_ = 0;
    }
  }
  return section_ == kNoSection ? HandleElev(line) : HandleSample(line);
}

Outcome CrvReader::HandleSample(const platform::TextLine& line) {
  // Comments inside a section are lines without "%,".
  if (!line.contains[kWatchPercentComma] || line.length == 0) return Outcome::Continue;
  const auto sample = line.truncated ? std::nullopt : ParseSampleLine(line.head);
  if (!sample) return Refuse(ExplainSampleLine(line.head, line.truncated));
  SamplesPresent(section_) = true;
  SampleHeight(section_, sampleNumber_) = sample->height;
  SampleValue(section_, sampleNumber_) = sample->value;
  AddSampleLine(section_, sampleNumber_);
  ++sampleNumber_;
  // The sample that reaches the limit stays stored and listed; slot 50 stays empty.
  if (sampleNumber_ >= kSampleLimit) return Refuse(WholeLine(CrvRule::FiftiethSample));
  return Outcome::Continue;
}

Outcome CrvReader::HandleElev(const platform::TextLine& line) {
  if (!StartsWithUpper(line.head, "ELEV") || !line.contains[kWatchComma]) return Outcome::Continue;
  const auto elev = line.truncated ? std::nullopt : ParseElevLine(line.head);
  if (!elev) return Refuse(ExplainElevLine(line.head, line.truncated));
  (elev->up ? ElevUpHeight : ElevDownHeight) = elev->height;

  CurveWindow& window = MainWindow();
  platform::LineList& targets = window.ListData(kTargets);
  if (elevCount_ == 0) {
    targets.AddItem(QStringLiteral("Elevation Switch"));
    window.ListSelect(kTargets).SetEnabled(true);
    targets.SetEnabled(true);
  }
  // A third line is refused only after its height replaced the stored one.
  if (++elevCount_ > 2) return Refuse(WholeLine(CrvRule::ThirdSwitchLine));
  targets.AddItem(elev->up ? QStringLiteral("Up @%1%").arg(ElevUpHeight)
                           : QStringLiteral("Down @%1%").arg(ElevDownHeight));
  return Outcome::Continue;
}

void ReportSuccess(const QString& path) {
  CurveWindow& window = MainWindow();
  window.PrintMessage(QStringLiteral("Success!"), 1);
  CurveFilePath = path;
  for (int16_t set = 0; set < kSampleSets; ++set) CheckTargets(set);
  for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
    CurvePresent(code) = true;
    FillCurveList(code);
  }
  ComputeDelta(kLoadedUp, kEmptyUp, kDeltaUp);
  ComputeDelta(kLoadedDown, kEmptyDown, kDeltaDown);
  DeltaPresent(kDeltaUp) = true;
  DeltaPresent(kDeltaDown) = true;
  // Selecting the Targets button runs its click handling, which shows that list.
  window.ListSelect(kTargets).SetValue(true);
  window.ShowChart();
  window.mnuFilePrintChart().SetEnabled(true);
}

void Warn(const QString& text) {
  platform::ShowMessage(text, platform::MessageIcon::Exclamation);
}

}  // namespace

void ReadCurveFile(const QString& path) {
  ResetCurves();
  LastReadProblem = {};
  platform::TextLineReader file(ReaderOptions());
  if (!file.Open(path)) {
    Warn(QStringLiteral("Could not open ") + MainWindow().NameInText(path));
    MainWindow().PrintMessage(QStringLiteral("Could not open file!"), 1);
    return;
  }
  MainWindow().PrintMessage(QString(), 1);
  MainWindow().PrintMessage(
      QStringLiteral("Reading data from ") + MainWindow().NameInText(FileNameOf(path)), 1);

  CrvReader reader;
  platform::TextLine line;
  int32_t lineNumber = 0;
  platform::TextLineReader::Result result;
  while ((result = file.Next(line)) == platform::TextLineReader::Result::Line) {
    ++lineNumber;
    if (lineNumber > kLastLineNumber || reader.Handle(line) == Outcome::FormatError) {
      file.Close();
      LastReadProblem =
          lineNumber > kLastLineNumber ? WholeLine(CrvRule::TooManyLines) : reader.TakeProblem();
      LastReadProblem.line = lineNumber;
      const QString number = QString::number(lineNumber);
      Warn(QStringLiteral("Problem with ") + MainWindow().NameInText(path) +
           QStringLiteral(" at line ") + number);
      MainWindow().PrintMessage(QStringLiteral("Problem at line ") + number + QStringLiteral("!"),
                                1);
      return;
    }
  }
  file.Close();
  // A read error part-way is no success, even after the last data row.
  if (result == platform::TextLineReader::Result::End && reader.Complete()) {
    ReportSuccess(path);
  } else {
    LastReadProblem = reader.Unfinished(result == platform::TextLineReader::Result::Error);
    Warn(QStringLiteral("Could not fully process ") + MainWindow().NameInText(path));
  }
}

}  // namespace CURVEroutines
