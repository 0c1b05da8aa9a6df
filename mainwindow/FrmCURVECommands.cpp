// The main window's commands: start-up, load, list choice, print and quit.
#include <QCloseEvent>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "calibration/IsolatedName.h"
#include "chartwindow/FrmChart.h"
#include "core/StartName.h"
#include "mainwindow/FrmCURVE.h"
#include "platform/MessageBox.h"
#include "platform/WindowPrinter.h"

using CURVEroutines::kFirstCode;
using CURVEroutines::kLastCode;

FrmCURVE::StartOutcome FrmCURVE::Form_Load(const QString& argumentString) {
  txtStatus_.SetText(QString());
  for (int16_t i = kFirstCode; i <= kLastCode; ++i) {
    ListData(i).SetVisible(false);
    ListSelect(i).SetEnabled(false);
    ListSelect(i).SetValue(false);
  }
  if (argumentString.isEmpty()) {
    PrintMessage(QStringLiteral("LOAD a CRV file, to view it"), 1);
    return StartOutcome::Show;
  }
  const QString name = core::WithoutQuotePair(argumentString);
  if (!core::PassesCrvNameTest(name)) {
    platform::ShowMessage(core::CannotProcessText(CURVEroutines::IsolatedName(name)));
    return StartOutcome::End;
  }
  CURVEroutines::ReadCurveFile(name);
  return StartOutcome::Show;
}

void FrmCURVE::CmdLoad_Click() {
  platform::CommonDialog& dialog = dlgCommonDialog_;
  dialog.CancelError = false;
  dialog.DialogTitle = QStringLiteral("Select Calibration Curve File");
  dialog.Flags = platform::CommonDialog::kFileMustExist | platform::CommonDialog::kHideReadOnly;
  dialog.FileName = QString();
  dialog.Filter = QStringLiteral("Calibration Curve Files (*.CRV)|*.CRV");
  dialog.ShowOpen();
  const QString name = dialog.FileName;
  if (name.isEmpty()) return;
  LoadChosenFile(name);
}

void FrmCURVE::LoadChosenFile(const QString& name) {
  if (!core::PassesCrvNameTest(name)) {
    platform::ShowMessage(core::CannotProcessText(CURVEroutines::IsolatedName(name)));
    return;
  }
  CURVEroutines::ReadCurveFile(name);
}

void FrmCURVE::ListSelect_Click(int16_t index) {
  for (int16_t i = kFirstCode; i <= kLastCode; ++i) ListData(i).SetVisible(false);
  ListData(index).SetVisible(true);
}

namespace {

// Where no printer serves, the chart can still be taken away.
const QString kWithoutPrinter = QStringLiteral(
    "\n\nCtrl+C in the chart window copies the chart, to paste it into a report; "
    "mirelda-crv chart FILE -o chart.pdf writes it to a file.");

}  // namespace

void FrmCURVE::mnuFilePrintChart_Click() {
  // The user may have closed the chart window: rebuild it, hidden, to print it.
  if (!ChartLoaded()) LoadChart();
  FrmChart* chart = chart_;
  switch (platform::PrintWindowImage(chart, [chart](QPainter& p) { chart->PaintImage(p); })) {
    case platform::PrintResult::Printed:
      break;
    case platform::PrintResult::NoPrinter:
      platform::ShowMessage(
          QStringLiteral("No default printer is set up: the chart was not printed.") +
          kWithoutPrinter);
      break;
    case platform::PrintResult::Failed:
      platform::ShowMessage(
          QStringLiteral("The printer could not be used: the chart was not printed.") +
          kWithoutPrinter);
      break;
  }
}

void FrmCURVE::cmdQuit_Click() {
  close();
}

void FrmCURVE::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void FrmCURVE::Form_Unload() {
  UnloadChart();
}
