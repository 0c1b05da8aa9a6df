#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

#include "calibration/CurveWindow.h"
#include "chartwindow/FrmChart.h"
#include "core/CurveCodes.h"
#include "platform/ControlArray.h"
#include "platform/FileOpenDialog.h"
#include "platform/ListBox.h"
#include "platform/MenuItem.h"
#include "platform/OptionButton.h"
#include "platform/StatusBox.h"

class QPushButton;

// The main window: load and quit buttons, one option button and one list per
// curve code, the status log, and the File and Help menus.
class FrmCURVE : public QMainWindow, public CURVEroutines::CurveWindow {
  Q_OBJECT

 public:
  using ListArray = platform::ControlArray<platform::ListBox, CURVEroutines::kFirstCode,
                                           CURVEroutines::kLastCode>;
  using OptionArray = platform::ControlArray<platform::OptionButton, CURVEroutines::kFirstCode,
                                             CURVEroutines::kLastCode>;

  // What the start-up asks of the program: show the window, or end at once.
  enum class StartOutcome { Show, End };

  FrmCURVE();
  ~FrmCURVE() override;

  // CurveWindow
  platform::ListBox& ListData(int16_t code) override { return listData_(code); }
  platform::OptionButton& ListSelect(int16_t code) override { return listSelect_(code); }
  platform::MenuItem& mnuFilePrintChart() override { return mnuFilePrintChart_; }
  void PrintMessage(const QString& msg, int16_t newlineflag) override;
  void ShowChart() override;
  void UnloadChart() override;
  void Refresh() override;

  // Handlers of the window's events and commands.
  StartOutcome Form_Load(const QString& argumentString);
  void CmdLoad_Click();
  // A file chosen in the Load dialog or dropped on a window: the CRV name
  // test, then the read.
  void LoadChosenFile(const QString& name);
  void mnuFileLoad_Click() { CmdLoad_Click(); }
  void ListSelect_Click(int16_t index);
  void mnuFilePrintChart_Click();
  void mnuHelpAbout_Click() { DisplayAbout(); }
  void cmdQuit_Click();
  void mnuFileQuit_Click() { cmdQuit_Click(); }
  void Form_Unload();

  void DisplayAbout();

  // The controls, for the routines and for tests.
  platform::StatusBox& TxtStatus() { return txtStatus_; }
  QPushButton* CmdLoad() const { return cmdLoad_; }
  QPushButton* cmdQuit() const { return cmdQuit_; }
  platform::MenuItem& mnuFileLoad() { return mnuFileLoad_; }
  platform::MenuItem& mnuFileQuit() { return mnuFileQuit_; }
  platform::MenuItem& mnuHelpAbout() { return mnuHelpAbout_; }
  platform::CommonDialog& dlgCommonDialog() { return dlgCommonDialog_; }

  bool ChartLoaded() const { return !chart_.isNull(); }
  FrmChart* Chart() const { return chart_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void SetTabOrder();
  void LoadChart();
  void ShowChartOnScreen();
  // A window the chart's placement waits for is on the screen: places it.
  bool ChartPlacementExposed(QObject* watched);
  void AcceptFileDropsOn(QWidget* window);
  void ChartClosedByUser();

  // The client area below the menu bar; every control sits on it.
  QWidget* client_;
  platform::StatusBox txtStatus_;
  QPushButton* cmdQuit_;
  QPushButton* cmdLoad_;
  platform::OptionGroup listSelectGroup_;
  OptionArray listSelect_;
  ListArray listData_;
  platform::MenuItem mnuFileLoad_;
  platform::MenuItem mnuFilePrintChart_;
  platform::MenuItem mnuFileQuit_;
  platform::MenuItem mnuHelpAbout_;
  platform::CommonDialog dlgCommonDialog_;

  QPointer<FrmChart> chart_;
  // A chart loaded before this window was shown comes up once it is on the
  // screen.
  bool chartAwaitsMainWindow_ = false;
  // The chart window is shown but not yet on the screen, so not yet framed.
  bool chartAwaitsFrame_ = false;
};
