// The main window's status log and About box.
#include "FrmCURVE.h"
#include "MessageBox.h"
#include "StatusLog.h"

void FrmCURVE::PrintMessage(const QString& msg, int16_t newlineflag) {
  // The box is the log: whatever it holds, typed text included, is trimmed.
  const QString log = mainwindow::AppendToLog(txtStatus_.Text(), msg, newlineflag);
  txtStatus_.SetText(log);
  txtStatus_.SetSelStart(static_cast<int>(log.size()));
  // Shown now: a file read keeps the event loop busy until it ends.
  txtStatus_.Refresh();
}

void FrmCURVE::DisplayAbout() {
  platform::ShowMessage(mainwindow::AboutText());
}
