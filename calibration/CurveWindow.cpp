#include "calibration/CurveWindow.h"

#include <cassert>

namespace CURVEroutines {

namespace {
CurveWindow* boundWindow = nullptr;
}

void BindCurveWindow(CurveWindow* window) {
  boundWindow = window;
}

CurveWindow& MainWindow() {
  assert(boundWindow != nullptr);
  return *boundWindow;
}

}  // namespace CURVEroutines
