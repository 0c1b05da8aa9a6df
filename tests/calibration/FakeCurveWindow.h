#pragma once

#include <QAction>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "calibration/CurveWindow.h"
#include "core/CurveCodes.h"
#include "platform/ControlArray.h"
#include "platform/ListBox.h"
#include "platform/MenuItem.h"
#include "platform/MessageBox.h"
#include "platform/OptionButton.h"

// A stand-in main window for the calibration routines: real list boxes, option
// buttons and menu item in a widget that is never shown. It records, in one
// sequence, the status lines ("log: ..."), message boxes ("box: ..." or
// "warn: ..." with the exclamation icon), chart calls and repaints
// ("repaint: " and each visible list as code:current line, "*" when that line
// is marked), so tests can check their order. A click on an option button is recorded ("click:
// code") and shows no list: that is the main window's click handling.
class FakeCurveWindow : public CURVEroutines::CurveWindow {
 public:
  FakeCurveWindow();
  ~FakeCurveWindow() override;

  platform::ListBox& ListData(int16_t code) override { return lists_(code); }
  platform::OptionButton& ListSelect(int16_t code) override { return buttons_(code); }
  platform::MenuItem& mnuFilePrintChart() override { return printChart_; }
  void PrintMessage(const QString& msg, int16_t newlineflag) override;
  void ShowChart() override { events.append(QStringLiteral("chart: show")); }
  void UnloadChart() override { events.append(QStringLiteral("chart: unload")); }
  void Refresh() override;

  // The lines of a list, a selected line prefixed with "*".
  QStringList Lines(int16_t code);
  // The curve codes whose list is visible.
  QList<int> VisibleLists();
  // Only the status lines, in order.
  QStringList Log() const;

  QStringList events;

 private:
  // Parent of the controls, never shown; it outlives them and deletes their widgets.
  QWidget host_;
  platform::ControlArray<platform::ListBox, CURVEroutines::kFirstCode, CURVEroutines::kLastCode>
      lists_;
  platform::OptionGroup group_{&host_};
  platform::ControlArray<platform::OptionButton, CURVEroutines::kFirstCode,
                         CURVEroutines::kLastCode>
      buttons_;
  QAction printAction_;
  platform::MenuItem printChart_{&printAction_};
  platform::MessageHandler previousHandler_;
};
