#pragma once

#include <QStringList>
#include <Qt>
#include <array>

#include "chart/ChartContent.h"
#include "chartwindow/ChartGrid.h"
#include "chartwindow/ChartTypes.h"

namespace chartwindow {

// The chart's content from the control's members: the grid's column 1 labels
// the rows and columns 2.. are the series, named by the labels in order; the
// category scale gives the ticks and labels, the value scale the range (an
// automatic one spans the series in ten divisions).
chart::ChartContent ChartContentOf(const ChartGrid& grid, const QStringList& seriesLabels,
                                   const std::array<Qt::PenStyle, 8>& styles, const QString& title,
                                   const std::array<ChartAxis, 2>& axes);

}  // namespace chartwindow
