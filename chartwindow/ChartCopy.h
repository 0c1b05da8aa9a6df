#pragma once

// The chart onto the clipboard: a picture for any program, at the screen's
// pixel ratio, and a drawing whose lines and text stay sharp at any size.

class QMimeData;

namespace chart {
struct ChartLayout;
}

namespace chartwindow {

// The chart as laid out, as PNG ratio times finer than its layout and as
// SVG. Nothing is written to a file.
QMimeData* ChartMimeData(const chart::ChartLayout& layout, double ratio);

}  // namespace chartwindow
