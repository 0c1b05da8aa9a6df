// The chart's arithmetic: sensor kind, conversion, value-axis range, the
// numbers it writes, how many divisions a label spans and where labels are
// anchored, the tick marks, what the pointer is on and where the chart window
// goes beside the main window.
#include <QLocale>
#include <QRect>
#include <QTest>
#include <cmath>

#include "chart/AxisRules.h"
#include "chartwindow/ChartPlacement.h"
#include "chartwindow/ChartScaling.h"
#include "chartwindow/HitTest.h"
#include "core/GeneralNumber.h"

using chartwindow::ChartGrid;

class ChartScaling : public QObject {
  Q_OBJECT

 private slots:
  void scale_data() {
    QTest::addColumn<int>("base");         // raw value of every cell
    QTest::addColumn<QString>("changes");  // "column:row:raw ..." put in over the base
    QTest::addColumn<QString>("kind");
    QTest::addColumn<float>("firstScaled");  // the first changed cell (or 2:0) afterwards
    QTest::addColumn<float>("minimum");
    QTest::addColumn<float>("maximum");

    QTest::newRow("strain limits") << 11500 << "8:50:29500"
                                   << "STRAIN" << 115.23f << 44.f << 116.f;
    QTest::newRow("strain 20000 ties to even") << 20000 << ""
                                               << "STRAIN" << 78.12f << 78.f << 79.f;
    QTest::newRow("11499 in a delta") << 20000 << "7:3:11499"
                                      << "PRESSURE" << 0.88f << 0.f << 2.f;
    QTest::newRow("29501 at height 100") << 20000 << "2:100:29501"
                                         << "PRESSURE" << 2.25f << 0.f << 2.f;
    QTest::newRow("pressure 8192 ties to even") << 8192 << ""
                                                << "PRESSURE" << 0.62f << 0.f << 1.f;
    QTest::newRow("97..100 do not widen") << 20000 << "3:97:29000"
                                          << "STRAIN" << 113.28f << 78.f << 79.f;
    QTest::newRow("96 widens") << 20000 << "3:96:29000"
                               << "STRAIN" << 113.28f << 78.f << 114.f;
    QTest::newRow("all zero") << 0 << ""
                              << "PRESSURE" << 0.f << 0.f << 0.f;
    QTest::newRow("at most 0.01") << 131 << ""
                                  << "PRESSURE" << 0.01f << 0.f << 0.f;
    QTest::newRow("4.49 to 4.5") << 0 << "4:9:58851"
                                 << "PRESSURE" << 4.49f << 0.f << 4.5f;
    QTest::newRow("4.51 to 5") << 0 << "4:9:59113"
                               << "PRESSURE" << 4.51f << 0.f << 5.f;
    QTest::newRow("exactly 10 is narrow, from 0") << 65536 << "5:9:131072"
                                                  << "PRESSURE" << 10.f << 0.f << 10.f;
    QTest::newRow("10.05 to 10") << 0 << "5:9:131727"
                                 << "PRESSURE" << 10.05f << 0.f << 10.f;
    QTest::newRow("10.1 to 11") << 0 << "5:9:132383"
                                << "PRESSURE" << 10.1f << 0.f << 11.f;
    QTest::newRow("115.1 to 115") << 20000 << "6:9:29466"
                                  << "STRAIN" << 115.1f << 78.f << 115.f;
    QTest::newRow("-3.2 to -4") << 0 << "2:1:-41943 3:1:150000"
                                << "PRESSURE" << -3.2f << -4.f << 12.f;
  }

  void scale() {
    QFETCH(int, base);
    QFETCH(QString, changes);
    QFETCH(QString, kind);
    QFETCH(float, firstScaled);
    QFETCH(float, minimum);
    QFETCH(float, maximum);
    ChartGrid grid(chartwindow::kChartRows, chartwindow::kChartColumns);
    for (int r = 0; r < grid.Rows(); ++r) {
      for (int c = 2; c <= grid.Columns(); ++c) grid(r, c) = static_cast<int32_t>(base);
    }
    int firstColumn = 2;
    int firstRow = 0;
    const QStringList changeList = changes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& change : changeList) {
      const QStringList part = change.split(QLatin1Char(':'));
      grid(part[1].toInt(), part[0].toInt()) = static_cast<int32_t>(part[2].toInt());
    }
    if (!changeList.isEmpty()) {
      firstColumn = changeList.first().section(QLatin1Char(':'), 0, 0).toInt();
      firstRow = changeList.first().section(QLatin1Char(':'), 1, 1).toInt();
    }
    float low = -1;
    float high = -1;
    QString sensorKind;
    chartwindow::ScaleChartValues(grid, low, high, sensorKind);
    QCOMPARE(sensorKind, kind);
    QCOMPARE(grid.Number(firstRow, firstColumn), firstScaled);
    QVERIFY(std::holds_alternative<float>(grid(firstRow, firstColumn)));
    QCOMPARE(low, minimum);
    QCOMPARE(high, maximum);
  }

  void generalNumber_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("hundredths") << "C" << 1.53f << "1.53";
    QTest::newRow("whole") << "C" << 78.f << "78";
    QTest::newRow("seven digits") << "C" << 1234567.f << "1234567";
    QTest::newRow("negative") << "C" << -3.2f << "-3.2";
    QTest::newRow("comma locale, no grouping") << "de_DE" << 12345.5f << "12345,5";
  }

  void generalNumber() {
    QFETCH(QString, locale);
    QFETCH(float, value);
    QFETCH(QString, text);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    const QString written = core::GeneralNumber(value);
    QLocale::setDefault(previous);
    QCOMPARE(written, text);
  }

  void labelEvery_data() {
    QTest::addColumn<qint64>("divisions");
    QTest::addColumn<double>("plotHeight");
    QTest::addColumn<qint64>("every");
    QTest::newRow("all fit") << qint64(5) << 400.0 << qint64(1);
    QTest::newRow("44 to 116 mV") << qint64(144) << 400.0 << qint64(20);
    QTest::newRow("just fits at 4") << qint64(100) << 700.0 << qint64(4);
    QTest::newRow("no room: one label") << qint64(144) << 0.0 << qint64(200);
    QTest::newRow("no room: the top label kept") << qint64(4) << 0.0 << qint64(4);
    QTest::newRow("absurd range") << qint64(655360) << 400.0 << qint64(100000);
  }

  void labelEvery() {
    QFETCH(qint64, divisions);
    QFETCH(double, plotHeight);
    QFETCH(qint64, every);
    QCOMPARE(chart::LabelEvery(divisions, plotHeight, 14.0), every);
  }

  // Value tick marks on a plot from y 0 to plotHeight: all half units while
  // they stay 2 px apart, else under the labels (anchored on round values).
  void tickMarks_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("plotHeight");
    QTest::addColumn<qint64>("labelEvery");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("first");  // the lowest value with a tick mark
    QTest::newRow("2 px apart: every half unit") << -3.0 << 13.0 << 64.0 << qint64(4) << 33 << -3.0;
    QTest::newRow("closer: under the labels") << -3.0 << 13.0 << 63.0 << qint64(4) << 8 << -2.0;
    QTest::newRow("labels from the minimum") << -4.0 << 12.0 << 40.0 << qint64(4) << 9 << -4.0;
    QTest::newRow("above 32767 divisions")
        << -10000.5 << 10000.0 << 1e6 << qint64(10000) << 5 << -10000.0;
  }

  void tickMarks() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, plotHeight);
    QFETCH(qint64, labelEvery);
    QFETCH(int, count);
    QFETCH(double, first);
    chart::TickLayout layout;
    layout.plot = QRectF(0, 0, 100, plotHeight);
    layout.range = {low, high, static_cast<int64_t>(std::nearbyint((high - low) * 2))};
    layout.labelEvery = labelEvery;
    QList<double> values;
    for (const QLineF& mark : chart::TickMarks(layout)) {
      if (mark.dy() == 0) values << low + (plotHeight - mark.y1()) / plotHeight * (high - low);
    }
    QCOMPARE(values.size(), count);
    QCOMPARE(values.front(), first);
  }

  // Screen, main window frame and chart frame in pixels (the main frame
  // 522 x 404 and the chart's 627 x 527 unless a row says otherwise): both
  // frames where the rule puts them.
  void placement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("chartSize");
    QTest::addColumn<QPoint>("mainAfter");
    QTest::addColumn<QRect>("chart");
    const QSize main(522, 404);
    const QSize chart(627, 527);
    const QRect wide(0, 0, 1366, 768);
    const QRect small(0, 0, 1024, 768);
    QTest::newRow("beside, as it fits") << wide << QRect(QPoint(100, 50), main) << chart
                                        << QPoint(100, 50) << QRect(QPoint(622, 50), chart);
    QTest::newRow("left just enough") << wide << QRect(QPoint(835, 100), main) << chart
                                      << QPoint(217, 100) << QRect(QPoint(739, 100), chart);
    QTest::newRow("left and up just enough") << wide << QRect(QPoint(835, 336), main) << chart
                                             << QPoint(217, 241) << QRect(QPoint(739, 241), chart);
    QTest::newRow("main partly below, the chart fits beside: left alone")
        << wide << QRect(QPoint(100, 450), main) << QSize(627, 300) << QPoint(100, 450)
        << QRect(622, 450, 627, 300);
    QTest::newRow("main taller than the chart, reaching below: up onto the screen")
        << wide << QRect(800, 300, 700, 600) << chart << QPoint(39, 168)
        << QRect(QPoint(739, 168), chart);
    QTest::newRow("no room: over it, tops level")
        << small << QRect(QPoint(0, 182), main) << chart << QPoint(0, 182)
        << QRect(QPoint(397, 182), chart);
    QTest::newRow("no room, low: up, tops level")
        << small << QRect(QPoint(493, 336), main) << chart << QPoint(0, 241)
        << QRect(QPoint(397, 241), chart);
    QTest::newRow("no room, main taller than the chart, reaching below: up")
        << small << QRect(300, 200, 522, 700) << chart << QPoint(0, 68)
        << QRect(QPoint(397, 68), chart);
    QTest::newRow("no room beside but below: clear of it")
        << QRect(0, 0, 768, 1366) << QRect(QPoint(100, 100), main) << chart << QPoint(0, 100)
        << QRect(QPoint(141, 504), chart);
    QTest::newRow("main in the middle: over the side it covers less of")
        << QRect(0, 0, 1000, 1000) << QRect(QPoint(100, 298), main) << chart << QPoint(0, 298)
        << QRect(QPoint(373, 298), chart);
    QTest::newRow("past the left edge: left alone")
        << small << QRect(QPoint(-100, 0), main) << chart << QPoint(-100, 0)
        << QRect(QPoint(397, 0), chart);
    QTest::newRow("chart taller than the screen: cut")
        << QRect(0, 0, 800, 500) << QRect(QPoint(0, 0), main) << chart << QPoint(0, 0)
        << QRect(173, 0, 627, 500);
    QTest::newRow("a second screen")
        << QRect(1366, 0, 1024, 768) << QRect(QPoint(1866, 300), main) << chart << QPoint(1366, 241)
        << QRect(QPoint(1763, 241), chart);
  }

  void placement() {
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(QSize, chartSize);
    QFETCH(QPoint, mainAfter);
    QFETCH(QRect, chart);
    const chartwindow::FramePlaces places = chartwindow::PlaceChartBeside(screen, main, chartSize);
    QCOMPARE(places.main, QRect(mainAfter, main.size()));
    QCOMPARE(places.chart, chart);
  }

  // The division nearest 0 (of two as near, the even one from the minimum).
  void labelAnchor_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("anchor");
    QTest::newRow("round values below the range") << 46.0 << 109.0 << 0.0;
    QTest::newRow("a tie goes to the even division") << 0.25 << 1.25 << 0.25;
  }

  void labelAnchor() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, anchor);
    const int64_t divisions = static_cast<int64_t>(std::nearbyint(2 * (high - low)));
    QCOMPARE(chart::LabelAnchor({low, high, divisions}), anchor);
  }

  // Plot 10..110 both ways, legend right of it; series 1 has points at
  // (50,50), (60,50) and one clipped above the plot at (70,5), series 2 at (53,50).
  void hitTest_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("point");
    QTest::newRow("on a point") << QPointF(60, 50) << 7 << 1 << 2;
    QTest::newRow("at the hit distance") << QPointF(60, 54) << 7 << 1 << 2;
    QTest::newRow("beyond it") << QPointF(60, 54.5) << 4 << 0 << 0;
    QTest::newRow("two close: the nearest") << QPointF(51, 50) << 7 << 1 << 1;
    QTest::newRow("as near: the top one") << QPointF(51.5, 50) << 7 << 2 << 1;
    QTest::newRow("clipped point") << QPointF(70, 5) << 1 << 0 << 0;
    QTest::newRow("legend") << QPointF(120, 50) << 3 << 0 << 0;
    QTest::newRow("left axis") << QPointF(5, 50) << 9 << 0 << 0;
    QTest::newRow("elsewhere") << QPointF(140, 50) << 0 << 0 << 0;
  }

  void hitTest() {
    QFETCH(QPointF, at);
    QFETCH(int, part);
    QFETCH(int, series);
    QFETCH(int, point);
    const std::vector<std::vector<QPointF>> points = {
        {QPointF(50, 50), QPointF(60, 50), QPointF(70, 5)}, {QPointF(53, 50)}};
    const chartwindow::ChartPartHit hit =
        chartwindow::HitTest({points, QRectF(10, 10, 100, 100), QRectF(115, 10, 20, 100)}, at);
    QCOMPARE(static_cast<int>(hit.part), part);
    QCOMPARE(hit.index1, series);
    QCOMPARE(hit.index2, point);
  }
};

QTEST_MAIN(ChartScaling)
#include "tst_chart_scaling.moc"
