#pragma once

// The chart drawn away from the screen: onto the clipboard (a picture for any
// program and a drawing whose lines and text stay sharp at any size), and
// onto any image or drawing a caller writes elsewhere.

#include <QImage>
#include <QSize>

class FrmChart;
class QIODevice;
class QMimeData;
class QPaintDevice;

namespace chartwindow {

// Draws what the window shows onto device at the window's own resolution, so
// text keeps its size against the lines, with smoothed lines as the window
// draws them. False when the device cannot be painted on.
bool DrawChart(FrmChart& chart, QPaintDevice& device);

// The pixels of an image of size at ratio, each side to the nearest.
QSize ScaledSize(QSize size, double ratio);

// A white image to draw the chart on, ratio times finer than size (the
// window's pixels); a null image when one that large cannot be made.
QImage BlankChartImage(QSize size, double ratio);

// The chart at size as an SVG drawing onto out, titled and described as the
// chart view describes itself.
bool WriteChartSvg(FrmChart& chart, QSize size, QIODevice& out);

// The chart window's image as PNG (at the screen's pixel ratio) and as SVG.
// Nothing is written to a file.
QMimeData* ChartMimeData(FrmChart& chart);

}  // namespace chartwindow
