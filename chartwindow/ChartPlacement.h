#pragma once

// Where the chart window's frame goes beside the main window's, as a rule
// over rectangles in screen pixels; no window is needed.

#include <QRect>
#include <QSize>

namespace chartwindow {

struct FramePlaces {
  QRect main;
  QRect chart;
};

// The chart's frame beside the main window's frame: its left edge on the
// main window's right edge, the tops level. Where that leaves part of the
// chart outside the screen's available area, the main window moves left and
// up just enough that both frames fit, never past the screen's left or top
// edge. Where even that leaves no room, the chart goes above or below the
// main window if it fits there whole, or else over it: the tops level as far
// as the screen's height allows, covering the least of the main window's
// width (the window then opens above the main window, so nothing of the
// chart is hidden). A chart larger than the screen is cut to the screen.
FramePlaces PlaceChartBeside(const QRect& screen, const QRect& mainFrame, QSize chartFrame);

}  // namespace chartwindow
