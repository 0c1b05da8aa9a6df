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
// edge. Where even that leaves no room, the chart stays on the screen where
// it covers the least of the main window (the nearest such place to its
// place beside it); a chart larger than the screen is cut to the screen.
FramePlaces PlaceChartBeside(const QRect& screen, const QRect& mainFrame, QSize chartFrame);

}  // namespace chartwindow
