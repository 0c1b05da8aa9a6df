#include "ChartLegend.h"

#include <QBrush>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <algorithm>
#include <cmath>

#include "ChartStyle.h"
#include "LegendRules.h"

namespace platform {

namespace {

// An entry: its stretch of line, a gap, the name, and room to the next.
constexpr double kMarkLength = 16;
constexpr double kGap = 5;
constexpr double kAfter = 12;
constexpr double kRowSpacing = 4;

}  // namespace

ChartLegend::ChartLegend(QChart* chart) : chart_(chart), margins_(chart->margins()) {}

void ChartLegend::SetEntries(const std::vector<QLineSeries*>& series) {
  while (entries_.size() > series.size()) {
    delete entries_.back().first;
    delete entries_.back().second;
    entries_.pop_back();
  }
  while (entries_.size() < series.size()) {
    auto* name = new QGraphicsSimpleTextItem(chart_);
    name->setFont(ChartFont(false));
    name->setBrush(QBrush(Qt::black));
    entries_.emplace_back(new QGraphicsLineItem(chart_), name);
  }
  for (std::size_t i = 0; i < series.size(); ++i) {
    entries_[i].first->setPen(series[i]->pen());
    entries_[i].second->setText(series[i]->name());
  }
  Fit();
}

bool ChartLegend::Fit() {
  const QFontMetricsF metrics(ChartFont(false));
  double widest = 0;
  for (const auto& entry : entries_) {
    widest = std::max(widest, metrics.horizontalAdvance(entry.second->text()));
  }
  const QSizeF size(kMarkLength + kGap + widest + kAfter, metrics.height() + kRowSpacing);
  const LegendLayout layout =
      LayOutLegend(chart_->rect(), size, static_cast<int>(entries_.size()), margins_.right());
  rect_ = layout.rect;
  for (std::size_t i = 0; i < layout.entries.size(); ++i) {
    const QPointF at = layout.entries[i];
    const double middle = at.y() + size.height() / 2;
    entries_[i].first->setLine(at.x(), middle, at.x() + kMarkLength, middle);
    entries_[i].second->setPos(at.x() + kMarkLength + kGap,
                               middle - entries_[i].second->boundingRect().height() / 2);
  }

  // The plot, its axes and their labels keep clear of the legend.
  QMargins room = margins_;
  if (!layout.entries.empty() && layout.below) {
    room.setBottom(room.bottom() + static_cast<int>(std::nearbyint(rect_.height())));
  } else if (!layout.entries.empty()) {
    room.setRight(room.right() + static_cast<int>(std::nearbyint(rect_.width() + kAfter)));
  }
  if (chart_->margins() == room) return false;
  chart_->setMargins(room);
  return true;
}

}  // namespace platform
