#include "chartwindow/ChartIcon.h"

#include <QtCore/qapplicationstatic.h>

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace chartwindow {

namespace {

QIcon DrawnIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(1, 1, 29, 29);
  // Axes with a few ticks.
  painter.drawLine(6, 4, 6, 26);
  painter.drawLine(6, 26, 28, 26);
  for (int x = 11; x <= 26; x += 5) painter.drawLine(x, 26, x, 28);
  for (int y = 6; y <= 21; y += 5) painter.drawLine(4, y, 6, y);
  // A loaded and an empty curve.
  painter.setPen(QPen(QColor(0, 0, 170), 2));
  painter.drawPolyline(QPolygon({QPoint(7, 20), QPoint(12, 12), QPoint(18, 10), QPoint(27, 6)}));
  painter.setPen(QPen(QColor(170, 0, 0), 2));
  painter.drawPolyline(QPolygon({QPoint(7, 24), QPoint(13, 20), QPoint(19, 19), QPoint(27, 15)}));
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

// Drawn once for the run. An icon of each chart window's own would leave its
// scaled copies in Qt's pixmap cache, which keeps them (up to 10 MiB) after
// the window is gone: memory grew with every load.
Q_APPLICATION_STATIC(QIcon, gChartIcon, DrawnIcon())

QIcon ChartIcon() {
  return *gChartIcon;
}

}  // namespace chartwindow
