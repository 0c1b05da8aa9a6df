#pragma once

// How the chart looks: its fonts, colours and line widths, and its texts as
// Qt Charts must be given them to draw them as written.

#include <QColor>
#include <QFont>
#include <QString>
#include <array>

namespace platform {

inline const QColor kAxisColour(0x50, 0x50, 0x50);

// Colours told apart also by readers with a red-green weakness.
inline const std::array<QColor, 8> kSeriesPalette = {
    QColor(0x00, 0x00, 0x00), QColor(0x00, 0x72, 0xB2), QColor(0x56, 0xB4, 0xE9),
    QColor(0xD5, 0x5E, 0x00), QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
    QColor(0xCC, 0x79, 0xA7), QColor(0x80, 0x80, 0x80)};

inline constexpr double kSeriesLineWidth = 1.5;

// Arial (or its metric twin) at 8 points.
QFont ChartFont(bool bold);

// Qt Charts draws every text as rich text: a file name such as "<b>.CRV"
// must show as written, and a blank that rich text would drop (leading, or
// after another blank) must stay, as in the row labels " 0" .. " 100".
QString AsDrawnText(const QString& text);

// The height of a label's text in this font (without the margins Qt's charts
// put around it).
double LabelHeight(const QFont& font);

}  // namespace platform
