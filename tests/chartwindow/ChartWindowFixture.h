#pragma once
// The chart window on a file, through the real main window, for the tests of
// chartwindow/; and what they read off it.
#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QRectF>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "chart/ChartLayout.h"
#include "chartwindow/FrmChart.h"
#include "mainwindow/FrmCURVE.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/RoundHalfEven.h"

inline const QString kExamples = QStringLiteral(MIRELDA_EXAMPLES_DIR "/");
inline const QStringList kSeries = {"Dynamic",    "Loaded Up", "Empty Up",  "Loaded Down",
                                    "Empty Down", "Delta Up",  "Delta Down"};

// Where the point of a series (1..7) at a height is drawn, in the chart's pixels.
inline QPoint PointPlace(FrmChart& chart, int series, int height) {
  const chart::ChartLayout& layout = chart.MSChart1().Layout();
  const float value = layout.content.series.at(series - 1).values.at(height);
  return platform::WholePixels(layout.Map(height, value));
}

// The heights under the tick marks drawn below the plot, from its edge.
inline QList<int> HeightTicks(FrmChart& chart) {
  const chart::ChartLayout& layout = chart.MSChart1().Layout();
  const QRectF& plot = layout.plot;
  QList<int> heights;
  for (const QLineF& tick : layout.ticks) {
    if (tick.x1() != tick.x2() || std::max(tick.y1(), tick.y2()) <= plot.bottom()) continue;
    if (std::min(tick.y1(), tick.y2()) != plot.bottom()) return {-2};
    const double h = (tick.x1() - plot.left()) / plot.width() * 100;
    if (std::abs(h - std::nearbyint(h)) > 0.01) return {-1};
    heights << static_cast<int>(std::nearbyint(h));
  }
  std::sort(heights.begin(), heights.end());
  return heights;
}

inline QList<int> Marks(platform::ListBox& list) {
  QList<int> marked;
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.Selected(i)) marked << i;
  }
  return marked;
}

// What the main window shows of its lists: visibility, button, current line, marks.
inline QString ListState(FrmCURVE& w) {
  QString state;
  for (int16_t c = 240; c <= 247; ++c) {
    QDebug(&state) << c << w.ListData(c).Visible() << w.ListSelect(c).Value()
                   << w.ListData(c).ListIndex() << Marks(w.ListData(c));
  }
  return state;
}

// A main window with its chart, made by Load and gone after each test; no
// message box comes up meanwhile.
class ChartWindowFixture {
 protected:
  void Init() {
    previous_ = platform::SetMessageHandler([](const QString&, platform::MessageIcon) {});
  }
  void Cleanup() {
    platform::SetMessageHandler(previous_);
    main_.reset();
  }

  // The texts drawn on the chart; the height labels, value labels and the
  // legend's names with where they lie.
  struct Drawn {
    QStringList texts;
    QMap<QString, QRectF> heights;
    QMap<double, QRectF> values;
    QMap<QString, QRectF> names;
  };

  static Drawn DrawnLabels(FrmChart& chart) {
    const chart::ChartLayout& layout = chart.MSChart1().Layout();
    Drawn drawn;
    for (const chart::ChartText* text : layout.Texts()) {
      if (!text->text.isEmpty()) drawn.texts << text->text;
    }
    for (const chart::ChartText& label : layout.rowLabels)
      drawn.heights.insert(label.text, label.box);
    for (const chart::ChartText& label : layout.valueLabels) {
      drawn.values.insert(QLocale().toDouble(label.text), label.box);
    }
    for (const chart::LegendEntry& entry : layout.legend.entries) {
      QRectF box;
      QString name;
      for (const chart::ChartText& line : entry.lines) {
        box |= line.box;
        name += line.text;
      }
      drawn.names.insert(name, box);
    }
    return drawn;
  }

  // A complete file whose every row holds the same five values (or others
  // from height 97 on).
  QString Write(const char* name, const char* values, const char* from97 = nullptr) {
    QByteArray bytes = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down\r\n";
    for (int r = 0; r <= 100; ++r) {
      bytes += QByteArray::number(r) + "%," + (r >= 97 && from97 ? from97 : values) + "\r\n";
    }
    QFile file(dir_.filePath(QLatin1String(name)));
    QTEST_ASSERT(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  }

  FrmChart& Load(const QString& file) {
    main_ = std::make_unique<FrmCURVE>();
    main_->Form_Load(file.contains(QLatin1Char('/')) ? file : kExamples + file);
    main_->show();
    FrmChart* chart = main_->Chart();
    // The chart comes up once the main window is on the screen.
    QTEST_ASSERT(chart && QTest::qWaitForWindowExposed(main_.get()));
    for (int i = 0; i < 100 && !chart->isVisible(); ++i) QTest::qWait(20);
    QTEST_ASSERT(QTest::qWaitForWindowExposed(chart));
    // A layout the first one asked for.
    QCoreApplication::sendPostedEvents();
    return *chart;
  }

  // A press and release on the chart, which ends with the main window active.
  void Press(FrmChart& chart, QPoint place) {
    chart.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chart));
    QWidget* viewport = chart.MSChart1().widget();
    QTest::mouseMove(viewport, place);
    QTest::mousePress(viewport, Qt::LeftButton, {}, place);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, place);
    QTRY_COMPARE(QApplication::activeWindow(), main_.get());
  }

  QTemporaryDir dir_;
  std::unique_ptr<FrmCURVE> main_;
  platform::MessageHandler previous_;
};
