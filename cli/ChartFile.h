#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class FrmChart;
class QIODevice;

namespace cli {

enum class ChartFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension, in any letter case.
std::optional<ChartFormat> ChartFormatOf(const QString& path);

// Writes a file through write, which is given the file open for writing and
// fills error when it fails. The file appears only whole: on failure nothing
// is left behind (an old file stays as it was), and error says why.
bool WriteWhole(const QString& path, const std::function<bool(QIODevice&, QString&)>& write,
                QString& error);

// Writes what the chart window shows at the given size of its client area:
// a bitmap, or lines and text for SVG and PDF. The file appears only whole:
// on failure nothing is left behind, and error says why.
bool WriteChart(FrmChart& chart, QSize size, ChartFormat format, const QString& path,
                QString& error);

}  // namespace cli
