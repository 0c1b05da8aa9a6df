#pragma once

#include <QString>
#include <QStringList>

#include "Command.h"
#include "ControlArray.h"
#include "CurveCodes.h"
#include "CurveWindow.h"
#include "LineList.h"
#include "MessageBox.h"
#include "Option.h"

namespace cli {

// The main window as the calibration routines see it, without a window: its
// lists are plain lines with marks, and its status log and message boxes are
// kept for the program to print. The chart window counts as shown from a
// successful read to the next reset. Binds itself while it lives.
class HeadlessWindow : public CURVEroutines::CurveWindow {
 public:
  HeadlessWindow();
  ~HeadlessWindow() override;
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  platform::LineList& ListData(int16_t code) override { return lists_(code); }
  platform::Option& ListSelect(int16_t code) override { return options_(code); }
  platform::Command& mnuFilePrintChart() override { return printChart_; }
  void PrintMessage(const QString& msg, int16_t newlineflag) override;
  void ShowChart() override { chartShown_ = true; }
  void UnloadChart() override { chartShown_ = false; }
  void Refresh() override {}

  // The status lines and message box texts since the last Forget().
  const QStringList& Log() const { return log_; }
  const QStringList& Boxes() const { return boxes_; }
  void Forget();
  bool ChartShown() const { return chartShown_; }

 private:
  platform::ControlArray<platform::LineList, CURVEroutines::kFirstCode, CURVEroutines::kLastCode>
      lists_;
  platform::OptionSet optionSet_;
  platform::ControlArray<platform::Option, CURVEroutines::kFirstCode, CURVEroutines::kLastCode>
      options_;
  platform::Command printChart_;
  QStringList log_;
  QStringList boxes_;
  QString unfinishedLine_;
  bool chartShown_ = false;
  platform::MessageHandler previousHandler_;
};

}  // namespace cli
