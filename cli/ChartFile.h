#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "chart/ChartContent.h"

namespace cli {

enum class ChartFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension, in any letter case.
std::optional<ChartFormat> ChartFormatOf(const QString& path);

struct ChartRequest {
  ChartFormat format = ChartFormat::Png;
  QSize size;          // of the window's client area, in its pixels
  double scale = 1.0;  // PNG only: pixels of the image to one of the window
};

// Writes the chart laid out at the request's size: a bitmap, or lines and
// text for SVG and PDF. The file appears only whole, through
// WriteOutputFile: on failure an old file is kept, nothing is left behind,
// and error says why.
bool WriteChart(const chart::ChartContent& content, const ChartRequest& request,
                const QString& path, QString& error);

}  // namespace cli
