#pragma once

// How the chart looks: its fonts, colours and line widths.

#include <QColor>
#include <QFont>
#include <Qt>
#include <array>

namespace chart {

inline const QColor kAxisColour(0x50, 0x50, 0x50);
inline const QColor kGridColour(0xE0, 0xE0, 0xE0);

// Colours told apart also by readers with a red-green weakness.
inline const std::array<QColor, 8> kSeriesPalette = {
    QColor(0x00, 0x00, 0x00), QColor(0x00, 0x72, 0xB2), QColor(0x56, 0xB4, 0xE9),
    QColor(0xD5, 0x5E, 0x00), QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
    QColor(0xCC, 0x79, 0xA7), QColor(0x80, 0x80, 0x80)};

inline constexpr double kSeriesLineWidth = 1.5;
inline constexpr double kReferenceLineWidth = 0.75;

// The colour of the n-th series (from 0); the last one serves beyond.
QColor SeriesColour(int index);

// The reference run's pen: thinner than the file's and dashed.
Qt::PenStyle ReferenceStyle();

// Arial (or its metric twin) at 8.25 points of a 96 dpi screen, given in
// the chart's own units so that text keeps its size against the lines on
// every device the chart is drawn on.
QFont ChartFont(bool bold);

}  // namespace chart
