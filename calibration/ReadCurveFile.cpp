#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "calibration/IsolatedName.h"
#include "core/CrvRead.h"
#include "core/ListText.h"
#include "core/ReadTexts.h"
#include "platform/MessageBox.h"

namespace CURVEroutines {

namespace {

void Warn(const QString& text) {
  platform::ShowMessage(text, platform::MessageIcon::Exclamation);
}

void TakeInRows(const core::CrvRead& read) {
  for (std::size_t row = 0; row < read.rows.size(); ++row) {
    for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
      CurveValues(code, static_cast<int>(row)) =
          read.rows[row][static_cast<std::size_t>(code - kDynamic)];
    }
  }
}

// Each switch line's height is stored; the first two are listed under one heading.
void TakeInSwitches(const core::CrvRead& read) {
  CurveWindow& window = MainWindow();
  platform::ListBox& targets = window.ListData(kTargets);
  for (std::size_t i = 0; i < read.switches.size(); ++i) {
    const core::SwitchLine& line = read.switches[i];
    (line.up ? ElevUpHeight : ElevDownHeight) = line.height;
    if (i == 0) {
      targets.AddItem(core::ElevationSwitchHeading());
      window.ListSelect(kTargets).SetEnabled(true);
      targets.SetEnabled(true);
    }
    if (i < 2) targets.AddItem(core::SwitchLineText(line));
  }
}

// Each sample is stored in its set, from slot 0 of its block up, then listed.
void TakeInSamples(const core::CrvRead& read) {
  for (const core::SampleBlock& block : read.blocks) {
    for (std::size_t n = 0; n < block.samples.size(); ++n) {
      const auto slot = static_cast<int16_t>(n);
      SamplesPresent(block.set) = true;
      SampleHeight(block.set, slot) = block.samples[n].height;
      SampleValue(block.set, slot) = block.samples[n].value;
      AddSampleLine(block.set, slot);
    }
  }
}

void ReportSuccess(const QString& path) {
  CurveWindow& window = MainWindow();
  window.PrintMessage(core::SuccessText(), 1);
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

}  // namespace

void ReadCurveFile(const QString& path) {
  ResetCurves();
  core::CrvFile file(path);
  if (!file.IsOpen()) {
    Warn(core::CouldNotOpenText(IsolatedName(path)));
    MainWindow().PrintMessage(core::CouldNotOpenStatusText(), 1);
    return;
  }
  MainWindow().PrintMessage(QString(), 1);
  // The file name alone is set apart (the line takes what follows the last separator).
  MainWindow().PrintMessage(core::ReadingText(IsolatedName(core::FileNameOf(path))), 1);

  // What the file held up to where the read ended goes into the tables and
  // the Targets list, whatever the outcome.
  const core::CrvRead read = core::ReadCrv(file, false);
  TakeInRows(read);
  TakeInSwitches(read);
  TakeInSamples(read);
  switch (read.end) {
    case core::ReadEnd::Whole:
      ReportSuccess(path);
      break;
    case core::ReadEnd::Problem:
      Warn(core::ProblemText(IsolatedName(path), read.problem.line));
      MainWindow().PrintMessage(core::ProblemStatusText(read.problem.line), 1);
      break;
    case core::ReadEnd::Unfinished:
    case core::ReadEnd::CouldNotOpen:
      Warn(core::UnfinishedText(IsolatedName(path)));
      break;
  }
}

}  // namespace CURVEroutines
