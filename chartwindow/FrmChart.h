#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "chartwindow/ChartControl.h"
#include "chartwindow/ChartGrid.h"
#include "chartwindow/ChartScaling.h"

// The chart window beside the main window: the seven curves of the loaded
// file against height, with a read-out under the mouse. Creating it loads it
// from the calibration tables as they are at that moment. Without a main
// window (a chart drawn to a file) it stays where it is made, and a release
// of the mouse raises nothing.
class FrmChart : public QWidget {
  Q_OBJECT

 public:
  explicit FrmChart(QWidget* mainWindow = nullptr);

  void Form_Load();
  void Form_Resize();
  void MSChart1_MouseMove(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
  void MSChart1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
  void MSChart1_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

  // Left edge on the main window's right edge, the tops level.
  void PlaceBesideMainWindow();
  // Beside the main window as far as the main window's screen allows: the
  // main window moves left and up to make room, or this window goes where it
  // covers the least of it (see PlaceChartBeside). Moves frames.
  void PlaceOnScreen();
  // Draws what the window shows, shown or not, in its own coordinates.
  void PaintImage(QPainter& painter);
  // Ctrl+C: the chart onto the clipboard, as an image and as a drawing.
  void CopyChart();

  chartwindow::ChartControl& MSChart1() { return msChart1_; }

 signals:
  // The user closed the window: it is to be unloaded.
  void ClosedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The loaded file's name as the title holds it.
  QString TitleName() const;
  // The data point under a place in twips, as series 1..7 and point 1..101.
  bool PointAt(float x, float y, int16_t& series, int16_t& point) const;

  QWidget* mainWindow_;
  chartwindow::ChartGrid chartValues_{chartwindow::kChartRows, chartwindow::kChartColumns};
  // Indexed like the columns of chartValues_; 2..8 name the series.
  std::array<QString, chartwindow::kChartColumns + 1> seriesNames_;
  QString sensorKind_;
  chartwindow::ChartControl msChart1_;
};
