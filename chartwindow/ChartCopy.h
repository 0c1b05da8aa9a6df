#pragma once

// The chart as the clipboard takes it: a picture for any program and a
// drawing whose lines and text stay sharp at any size.

class FrmChart;
class QMimeData;

namespace chartwindow {

// The chart window's image as PNG (at the screen's pixel ratio) and as SVG,
// both drawn by FrmChart::PaintImage. Nothing is written to a file.
QMimeData* ChartMimeData(FrmChart& chart);

}  // namespace chartwindow
