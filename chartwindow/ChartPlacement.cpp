#include "chartwindow/ChartPlacement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace chartwindow {

namespace {

// The right and bottom edges as first positions outside, so sizes add up.
int End(int start, int length) {
  return start + length;
}

int Overlap(int start, int length, int otherStart, int otherLength) {
  return std::max(
      0, std::min(End(start, length), End(otherStart, otherLength)) - std::max(start, otherStart));
}

// The chart's start along one axis: beside (or level with) the main window,
// clear of it on either side, or at either end of the screen, kept on it.
std::array<int, 5> Candidates(int wanted, int mainStart, int mainLength, int length,
                              int screenStart, int screenLength) {
  const int last = End(screenStart, screenLength) - length;
  std::array<int, 5> at = {wanted, mainStart - length, End(mainStart, mainLength), screenStart,
                           last};
  for (int& a : at) a = std::clamp(a, screenStart, last);
  return at;
}

int Distance(QPoint a, QPoint b) {
  return std::abs(a.x() - b.x()) + std::abs(a.y() - b.y());
}

// No room side by side. Clear of the main window (above or below it) where
// the chart fits there whole; else over it, the tops level as far as the
// screen's height allows, covering the least of its width. Of places as good,
// the nearest to the place beside it.
QPoint OverMainWindow(const QRect& screen, const QRect& main, QSize size, QPoint beside) {
  const auto xs =
      Candidates(beside.x(), main.x(), main.width(), size.width(), screen.x(), screen.width());
  const auto ys =
      Candidates(beside.y(), main.y(), main.height(), size.height(), screen.y(), screen.height());
  QPoint best;
  int bestDistance = std::numeric_limits<int>::max();
  for (const int x : xs) {
    for (const int y : ys) {
      const QPoint at(x, y);
      if (QRect(at, size).intersects(main) || Distance(at, beside) >= bestDistance) continue;
      best = at;
      bestDistance = Distance(at, beside);
    }
  }
  if (bestDistance != std::numeric_limits<int>::max()) return best;

  const int level = ys[0];
  int leastCovered = std::numeric_limits<int>::max();
  for (const int x : xs) {
    const int covered = Overlap(x, size.width(), main.x(), main.width());
    const QPoint at(x, level);
    if (covered < leastCovered ||
        (covered == leastCovered && Distance(at, beside) < bestDistance)) {
      leastCovered = covered;
      bestDistance = Distance(at, beside);
      best = at;
    }
  }
  return best;
}

}  // namespace

FramePlaces PlaceChartBeside(const QRect& screen, const QRect& mainFrame, QSize chartFrame) {
  const QSize size = chartFrame.boundedTo(screen.size());
  FramePlaces places{mainFrame,
                     QRect(QPoint(End(mainFrame.x(), mainFrame.width()), mainFrame.y()), size)};
  if (screen.contains(places.chart)) return places;

  const int tooFarRight = End(places.chart.x(), size.width()) - End(screen.x(), screen.width());
  const int tooLow =
      std::max(End(mainFrame.y(), mainFrame.height()), End(mainFrame.y(), size.height())) -
      End(screen.y(), screen.height());
  const int left = std::clamp(tooFarRight, 0, std::max(mainFrame.x() - screen.x(), 0));
  const int up = std::clamp(tooLow, 0, std::max(mainFrame.y() - screen.y(), 0));
  places.main.translate(-left, -up);
  const QPoint beside(End(places.main.x(), places.main.width()), places.main.y());
  places.chart.moveTopLeft(beside);
  if (!screen.contains(places.chart)) {
    places.chart.moveTopLeft(OverMainWindow(screen, places.main, size, beside));
  }
  return places;
}

}  // namespace chartwindow
