// The chart window's life beside the main window: loaded, shown, placed and
// unloaded.
#include <QMoveEvent>
#include <QShowEvent>

#include "FrmCURVE.h"
#include "FrmChart.h"

void FrmCURVE::ShowChart() {
  if (!ChartLoaded()) LoadChart();
  if (!isVisible()) {
    // At start-up the window system places this window first; the chart
    // comes up beside it right after.
    chartAwaitsMainWindow_ = true;
    return;
  }
  chart_->show();
}

void FrmCURVE::UnloadChart() {
  delete chart_;
}

void FrmCURVE::LoadChart() {
  chart_ = new FrmChart(this);
  connect(chart_, &FrmChart::ClosedByUser, this, &FrmCURVE::ChartClosedByUser);
  AcceptFileDropsOn(chart_);
}

void FrmCURVE::ChartClosedByUser() {
  // Closing the chart window unloads it; it is rebuilt when needed again.
  FrmChart* closed = chart_;
  chart_ = nullptr;
  closed->deleteLater();
}

void FrmCURVE::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  // A window manager frames this window only after it is shown; until then
  // its right edge is not where it will be.
  placingChart_ = frameGeometry() == geometry();
  if (ChartLoaded() && chartAwaitsMainWindow_) {
    chartAwaitsMainWindow_ = false;
    chart_->PlaceBesideMainWindow();
    chart_->show();
  }
}

void FrmCURVE::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!placingChart_ || !ChartLoaded() || !chart_->isVisible()) return;
  // The window system has placed or framed this window: the chart follows
  // once, then stays where the user puts it.
  chart_->PlaceBesideMainWindow();
  placingChart_ = frameGeometry() == geometry();
}
