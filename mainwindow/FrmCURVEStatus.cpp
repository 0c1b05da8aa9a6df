// The main window's status log and About box.
#include "mainwindow/FrmCURVE.h"
#include "mainwindow/StatusLog.h"
#include "platform/FileName.h"
#include "platform/MessageBox.h"

void FrmCURVE::PrintMessage(const QString& msg, int16_t newlineflag) {
  // A file name in it that is not UTF-8 is shown as well as it can be.
  const QString shown = platform::ShownFileName(msg);
  // The box is the log: whatever it holds, typed text included, is trimmed.
  // Only what changes is given to the box, so a long log costs no more.
  // The log is read whole only when lines must go to make room.
  const bool full = txtStatus_.Length() + shown.size() + 2 > mainwindow::kStatusLogLimit;
  const mainwindow::LogAppend change =
      mainwindow::AppendingToLog(full ? txtStatus_.Text() : QString(), shown, newlineflag);
  txtStatus_.CutAndAppend(static_cast<int>(change.cut), change.tail);
  // Shown now: a file read keeps the event loop busy until it ends.
  txtStatus_.Refresh();
}

void FrmCURVE::DisplayAbout() {
  platform::ShowMessage(mainwindow::AboutText());
}
