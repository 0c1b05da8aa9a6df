#include "chartwindow/FrmChart.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "calibration/IsolatedName.h"
#include "chart/ChartDescription.h"
#include "chartwindow/ChartCopy.h"
#include "chartwindow/ChartIcon.h"
#include "chartwindow/ChartPlacement.h"
#include "core/GeneralNumber.h"
#include "platform/FileName.h"
#include "platform/RoundHalfEven.h"
#include "platform/Twips.h"

namespace {

QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                  frame.right() - client.right(), frame.bottom() - client.bottom());
}

int32_t WholeTwips(float twips) {
  return static_cast<int32_t>(platform::RoundHalfEven(static_cast<double>(twips)));
}

}  // namespace

FrmChart::FrmChart(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), mainWindow_(mainWindow), msChart1_(this) {
  setObjectName(QStringLiteral("FrmChart"));
  setWindowTitle(QStringLiteral("QRVcalChart"));
  setWindowIcon(chartwindow::ChartIcon());
  // A release on the chart activates the main window; resting on the chart
  // still shows the tool tip (Qt shows one only in the active window).
  setAttribute(Qt::WA_AlwaysShowToolTips);
  // Below this the chart could not show all its labels apart.
  setMinimumSize(chartwindow::kSmallestChart);
  resize(platform::TwipsToPixels(chartwindow::kClientWidth),
         platform::TwipsToPixels(chartwindow::kClientHeight));

  // The chart's place until the window is first shown and sized.
  msChart1_.widget()->setObjectName(QStringLiteral("MSChart1"));
  msChart1_.SetLeft(480);
  msChart1_.SetTop(360);
  msChart1_.SetWidth(7815);
  msChart1_.SetHeight(6495);
  msChart1_.OnMouseMove([this](auto... args) { MSChart1_MouseMove(args...); });
  msChart1_.OnMouseDown([this](auto... args) { MSChart1_MouseDown(args...); });
  msChart1_.OnMouseUp([this](auto... args) { MSChart1_MouseUp(args...); });
  // Anywhere in the window; the chart view offers it to assistive tools too.
  auto* copy = new QAction(QStringLiteral("Copy"), msChart1_.widget());
  copy->setShortcuts(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WindowShortcut);
  msChart1_.widget()->addAction(copy);
  connect(copy, &QAction::triggered, this, &FrmChart::CopyChart);

  Form_Load();
}

void FrmChart::Form_Load() {
  using chartwindow::AxisId;
  PlaceBesideMainWindow();

  chartwindow::FillChartValues(chartValues_);
  float minimum = 0;
  float maximum = 0;
  chartwindow::ScaleChartValues(chartValues_, minimum, maximum, sensorKind_);

  // Column c holds curve code 239 + c.
  for (int c = 2; c <= chartwindow::kChartColumns; ++c) {
    seriesNames_[static_cast<std::size_t>(c)] =
        CURVEroutines::CurveName(static_cast<int16_t>(CURVEroutines::kTargets - 1 + c));
  }

  for (int r = 0; r < chartwindow::kChartRows; ++r) {
    chartValues_(r, 1) = QLatin1Char(' ') + QString::number(r);
  }

  chartwindow::ChartControl& chart = msChart1_;
  chart.SetChartType(chartwindow::ChartType::Line2d);
  chart.SetChartData(chartValues_);
  chart.SetRowCount(chartwindow::kChartRows);
  chart.SetColumnCount(chartwindow::kChartColumns - 1);
  for (int16_t k = 2; k <= chartwindow::kChartColumns; ++k) {
    chart.SetColumn(static_cast<int16_t>(k - 1));
    chart.SetColumnLabel(seriesNames_[static_cast<std::size_t>(k)]);
  }
  // The empty curves dashed, so each pair reads apart without its colours.
  for (const int16_t empty : chartwindow::kDashedSeries)
    chart.SetSeriesPenStyle(empty, Qt::DashLine);
  chart.SetTitleText(QStringLiteral("QRV Load Calibration Chart for ") +
                     platform::ShownFileName(TitleName()));

  chartwindow::ChartAxis& x = chart.Axis(AxisId::X, 1);
  x.AxisTitle = QStringLiteral("Height (%)");
  x.Labels(1).Auto = false;
  x.CategoryScale.Auto = false;
  x.CategoryScale.DivisionsPerTick = 5;
  x.CategoryScale.DivisionsPerLabel = 10;
  x.CategoryScale.LabelTick = true;

  chartwindow::ChartAxis& y = chart.Axis(AxisId::Y, 1);
  y.AxisTitle = chartwindow::ValueAxisTitle(sensorKind_);
  y.ValueScale.Auto = false;
  y.ValueScale.Maximum = maximum;
  y.ValueScale.Minimum = minimum;
  y.ValueScale.MajorDivision = chartwindow::MajorDivisions(minimum, maximum);
  y.ValueScale.MinorDivision = 0;

  chart.Refresh();

  chart.widget()->setAccessibleName(chart.TitleText());
  chart.widget()->setAccessibleDescription(chart::ChartDescription(chart.Content()));
}

void FrmChart::Form_Resize() {
  // The client area already leaves out the title bar and the borders.
  msChart1_.SetTop(0);
  msChart1_.SetLeft(0);
  msChart1_.SetHeight(static_cast<float>(std::max(platform::PixelsToTwips(height()), 0)));
  msChart1_.SetWidth(static_cast<float>(std::max(platform::PixelsToTwips(width()), 0)));
  msChart1_.Refresh();
}

QString FrmChart::TitleName() const {
  // Set apart as in the main window's messages, so a name that reads right
  // to left cannot turn the title around.
  return CURVEroutines::IsolatedName(CURVEroutines::FileNameOf(CURVEroutines::CurveFilePath));
}

void FrmChart::PlaceBesideMainWindow() {
  if (mainWindow_ == nullptr) return;
  const QRect main = mainWindow_->frameGeometry();
  move(main.x() + main.width(), main.y());
}

void FrmChart::PlaceOnScreen() {
  if (mainWindow_ == nullptr || mainWindow_->screen() == nullptr) return;
  const QRect main = mainWindow_->frameGeometry();
  // Until the window system has framed this window, its frame is taken to be
  // like the main window's.
  QMargins frame = FrameMargins(*this);
  if (frame.isNull()) frame = FrameMargins(*mainWindow_);
  const QSize wanted = size().grownBy(frame);
  const chartwindow::FramePlaces places =
      chartwindow::PlaceChartBeside(mainWindow_->screen()->availableGeometry(), main, wanted);
  if (places.main.topLeft() != main.topLeft()) mainWindow_->move(places.main.topLeft());
  if (places.chart.size() != wanted) resize(places.chart.size().shrunkBy(frame));
  move(places.chart.topLeft());
}

void FrmChart::PaintImage(QPainter& painter) {
  painter.fillRect(rect(), palette().window());
  msChart1_.Paint(painter);
}

void FrmChart::CopyChart() {
  // At the screen's pixel ratio, so the copy is as sharp as the window.
  QGuiApplication::clipboard()->setMimeData(
      chartwindow::ChartMimeData(msChart1_.Layout(), devicePixelRatioF()));
}

bool FrmChart::PointAt(float x, float y, int16_t& series, int16_t& point) const {
  const chartwindow::ChartPartHit hit = msChart1_.TwipsToChartPart(WholeTwips(x), WholeTwips(y));
  if (hit.part != chartwindow::ChartPart::Point) return false;
  series = hit.index1;
  point = hit.index2;
  return true;
}

void FrmChart::MSChart1_MouseMove(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
  int16_t s = 0;
  int16_t p = 0;
  if (!PointAt(x, y, s, p)) return;
  msChart1_.SetToolTipText(seriesNames_.at(static_cast<std::size_t>(s + 1)) + QLatin1Char('@') +
                           QString::number(p - 1) + QStringLiteral("%=") +
                           core::GeneralNumber(chartValues_.Number(p - 1, s + 1)));
}

void FrmChart::MSChart1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
  int16_t s = 0;
  int16_t p = 0;
  if (!PointAt(x, y, s, p)) return;
  // The line of the list that shows this point's height, in every list.
  const auto series = static_cast<int16_t>(s - 1);
  const auto height = static_cast<int16_t>(p - 1);
  CURVEroutines::ShowCurvePoint(series, CURVEroutines::ListLineOfHeight(series, height));
}

void FrmChart::MSChart1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
  if (mainWindow_ == nullptr) return;
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

void FrmChart::closeEvent(QCloseEvent* event) {
  // Only a close by the user arrives here; the main window deletes it directly.
  event->accept();
  emit ClosedByUser();
}

void FrmChart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}
