#include "ChartPlacement.h"

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
  if (screen.contains(places.chart)) return places;

  // No room side by side: least overlap, then nearest to the place beside.
  const QRect& main = places.main;
  const auto xs =
      Candidates(beside.x(), main.x(), main.width(), size.width(), screen.x(), screen.width());
  const auto ys =
      Candidates(beside.y(), main.y(), main.height(), size.height(), screen.y(), screen.height());
  long best = std::numeric_limits<long>::max();
  int bestDistance = std::numeric_limits<int>::max();
  for (const int x : xs) {
    for (const int y : ys) {
      const long covered = long{Overlap(x, size.width(), main.x(), main.width())} *
                           Overlap(y, size.height(), main.y(), main.height());
      const int distance = std::abs(x - beside.x()) + std::abs(y - beside.y());
      if (covered < best || (covered == best && distance < bestDistance)) {
        best = covered;
        bestDistance = distance;
        places.chart.moveTopLeft(QPoint(x, y));
      }
    }
  }
  return places;
}

}  // namespace chartwindow
