// The chart window's life beside the main window: loaded, shown, placed and
// unloaded.
#include <QShowEvent>
#include <QWindow>

#include "chartwindow/FrmChart.h"
#include "mainwindow/FrmCURVE.h"

void FrmCURVE::ShowChart() {
  if (!ChartLoaded()) LoadChart();
  if (!isVisible()) {
    // At start-up the window system places this window first; the chart
    // comes up beside it once it is on the screen.
    chartAwaitsMainWindow_ = true;
    return;
  }
  ShowChartOnScreen();
}

void FrmCURVE::ShowChartOnScreen() {
  chart_->PlaceOnScreen();
  chart_->show();
  // Where the screen leaves no room beside the main window, the chart opens
  // over it; above it, so the main window hides nothing of the chart.
  chart_->raise();
  // A window manager frames the chart window when it first puts it on the
  // screen: then its frame is known and it is placed once more. Moves of
  // either window after that are the user's; the chart stays put until the
  // next load.
  chartAwaitsFrame_ = true;
  chart_->windowHandle()->installEventFilter(this);
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
  // A window manager places and frames this window before it first puts it
  // on the screen; until then its frame is not where it will be.
  if (!event->spontaneous() && chartAwaitsMainWindow_) windowHandle()->installEventFilter(this);
}

bool FrmCURVE::ChartPlacementExposed(QObject* watched) {
  const auto* window = qobject_cast<QWindow*>(watched);
  if (window == nullptr || !window->isExposed()) return false;
  if (watched == windowHandle() && chartAwaitsMainWindow_) {
    chartAwaitsMainWindow_ = false;
    if (!ChartLoaded()) return true;
    // At start-up the keyboard stays with the main window.
    chart_->setAttribute(Qt::WA_ShowWithoutActivating);
    ShowChartOnScreen();
    chart_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    activateWindow();
    chart_->raise();
    return true;
  }
  if (ChartLoaded() && watched == chart_->windowHandle() && chartAwaitsFrame_) {
    chartAwaitsFrame_ = false;
    chart_->PlaceOnScreen();
    chart_->raise();
    return true;
  }
  return false;
}
