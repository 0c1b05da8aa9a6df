#pragma once

#include <QString>
#include <cstdint>

#include "core/CurveCodes.h"
#include "platform/ListBox.h"
#include "platform/MenuItem.h"
#include "platform/OptionButton.h"

namespace CURVEroutines {

// The curve codes and the rest of the core are the routines' own words.
using namespace core;

// What the calibration routines need of the main window. The main window
// implements it with its controls; tests bind a small stand-in.
class CurveWindow {
 public:
  virtual ~CurveWindow() = default;

  // The list and the option button of one curve code, 240..247.
  virtual platform::ListBox& ListData(int16_t code) = 0;
  virtual platform::OptionButton& ListSelect(int16_t code) = 0;
  virtual platform::MenuItem& mnuFilePrintChart() = 0;

  // Appends msg to the status log, then CR LF when newlineflag is not 0.
  virtual void PrintMessage(const QString& msg, int16_t newlineflag) = 0;

  // Loads and shows the chart window, not modal; it builds itself from the tables.
  virtual void ShowChart() = 0;
  // Unloads the chart window; nothing happens when it is not loaded.
  virtual void UnloadChart() = 0;

  // Repaints the main window at once.
  virtual void Refresh() = 0;
};

// The one main window the routines work on, bound once by the window itself.
void BindCurveWindow(CurveWindow* window);
CurveWindow& MainWindow();

}  // namespace CURVEroutines
