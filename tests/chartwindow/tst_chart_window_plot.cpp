// The chart window on the example files, through the real main window: what
// it plots and labels, at any size.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include "tests/chartwindow/ChartWindowFixture.h"

class ChartWindowPlot : public QObject, ChartWindowFixture {
  Q_OBJECT

 private slots:
  void init() { Init(); }
  void cleanup() { Cleanup(); }

  void plotsTheExample_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("axisTitle");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<QList<double>>("at50");  // the seven series at height 50
    QTest::addColumn<double>("labelStep");    // between value labels at the window's size
    QTest::newRow("strain") << "strain-car1.CRV"
                            << "STRAIN (mV)" << 46.0 << 109.0 << 126
                            << QList<double>{77.16, 102.47, 52.53, 100.75, 51.38, 49.94, 49.38}
                            << 5.0;
    QTest::newRow("pressure") << "pressure-car2.CRV"
                              << "PRESSURE (V)" << 0.0 << 2.5 << 5
                              << QList<double>{1.56, 1.58, 1.18, 1.63, 1.21, 0.40, 0.42} << 0.5;
    QTest::newRow("0 to 5 V") << Write("five.CRV", "65535,0,0,0,0") << "PRESSURE (V)" << 0.0 << 5.0
                              << 10 << QList<double>{5, 0, 0, 0, 0, 0, 0} << 0.5;
    // An empty range is drawn half a unit high; an absurd one stays legible.
    QTest::newRow("all zero") << Write("zero.CRV", "0,0,0,0,0") << "PRESSURE (V)" << 0.0 << 0.0 << 0
                              << QList<double>{0, 0, 0, 0, 0, 0, 0} << 0.5;
    QTest::newRow("32-bit extremes")
        << Write("extremes.CRV", "2147483647,-2147483648,0,0,0") << "PRESSURE (V)" << -163840.0
        << 163840.0 << 655360 << QList<double>{163840, -163840, 0, 0, 0, -163840, 0} << 20000.0;
  }

  void plotsTheExample() {
    QFETCH(QString, file);
    QFETCH(QString, axisTitle);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, divisions);
    QFETCH(QList<double>, at50);
    QFETCH(double, labelStep);
    FrmChart& chart = Load(file);
    const chart::ChartLayout& layout = chart.MSChart1().Layout();
    const chart::ChartContent& content = layout.content;

    const QString title = "QRV Load Calibration Chart for " + QFileInfo(file).fileName();
    QCOMPARE(chart.MSChart1().widget()->accessibleName(), title);
    QCOMPARE(content.series.size(), std::size_t{7});
    for (std::size_t s = 0; s < 7; ++s) {
      const chart::ChartSeries& line = content.series[s];
      QCOMPARE(line.name, kSeries[s]);
      QCOMPARE(line.values.size(), std::size_t{101});
      QCOMPARE(line.values[50], float(at50[s]));
      // The two empty curves dashed, the others solid.
      QCOMPARE(line.style, s == 2 || s == 4 ? Qt::DashLine : Qt::SolidLine);
    }
    QCOMPARE(content.Rows(), 101);

    QCOMPARE(content.yTitle, axisTitle);
    QCOMPARE(layout.range.low, minimum);
    QCOMPARE(layout.range.high, maximum > minimum ? maximum : minimum + 0.5);
    QCOMPARE(chart.MSChart1().Axis(chartwindow::AxisId::Y).ValueScale.MajorDivision, divisions);
    QCOMPARE(content.xTitle, QStringLiteral("Height (%)"));
    QCOMPARE(chart.MSChart1().widget()->accessibleDescription(),
             QStringLiteral("Height (%) from 0 to 100; %1 from %2 to %3; series %4")
                 .arg(axisTitle)
                 .arg(minimum)
                 .arg(maximum)
                 .arg(kSeries.join(QStringLiteral(", "))));

    // Labels as drawn: " 0" .. " 100" under the plot, and value labels that
    // lie within the range, one step apart on whole multiples of it (the top
    // one included when it is one), and do not overlap.
    const Drawn drawn = DrawnLabels(chart);
    QVERIFY(drawn.texts.contains(title));
    QVERIFY(drawn.texts.contains(axisTitle));
    for (const QString& text : drawn.texts) QVERIFY2(!text.contains(QStringLiteral("...")), "cut");
    QStringList expected;
    for (int h = 0; h <= 100; h += 10) expected << QStringLiteral(" %1").arg(h);
    expected.sort();
    QCOMPARE(drawn.heights.keys(), expected);
    QVERIFY(drawn.values.size() >= 2);
    const auto onStep = [labelStep](double v) {
      return std::abs(std::remainder(v, labelStep)) < 1e-9;
    };
    for (auto v = drawn.values.begin(); v != drawn.values.end(); ++v) {
      QVERIFY2(v.key() >= layout.range.low && v.key() <= layout.range.high,
               qPrintable(QString::number(v.key())));
      QVERIFY2(onStep(v.key()), qPrintable(QString::number(v.key())));
      if (v != drawn.values.begin()) QCOMPARE(v.key() - std::prev(v).key(), labelStep);
    }
    if (onStep(layout.range.high)) QCOMPARE(drawn.values.lastKey(), layout.range.high);
    // A height tick at every fifth height, 100 included.
    QCOMPARE(HeightTicks(chart), (QList<int>{0,  5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                                             55, 60, 65, 70, 75, 80, 85, 90, 95, 100}));
  }

  // However small the window, every height label is drawn and labels do not
  // run together, and every curve's name is drawn whole in the legend: right
  // of the plot, or below it where the window is narrow. The window keeps at
  // least the size where that holds.
  void readableAtAnySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("heightLabels");
    QTest::addColumn<bool>("legendBelow");
    QTest::newRow("as designed") << QSize(625, 502) << 11 << false;
    QTest::newRow("small") << QSize(300, 220) << 11 << true;
    QTest::newRow("narrow and tall") << QSize(300, 600) << 11 << true;
    QTest::newRow("smaller than it can be") << QSize(240, 150) << 11 << true;
  }

  void readableAtAnySize() {
    QFETCH(QSize, size);
    QFETCH(int, heightLabels);
    QFETCH(bool, legendBelow);
    FrmChart& chart = Load(QStringLiteral("strain-car1.CRV"));
    chart.resize(size);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(chart.size(), size.expandedTo(QSize(300, 200)));
    QCOMPARE(chart.MSChart1().widget()->geometry(), QRect(QPoint(), chart.size()));
    const Drawn drawn = DrawnLabels(chart);
    QCOMPARE(drawn.heights.size(), heightLabels);
    QVERIFY(drawn.heights.contains(QStringLiteral(" 0")));
    QVERIFY(drawn.heights.contains(QStringLiteral(" 100")));
    for (const QList<QRectF>& list : {drawn.heights.values(), drawn.values.values()}) {
      for (qsizetype i = 1; i < list.size(); ++i) {
        for (qsizetype j = 0; j < i; ++j) QVERIFY(!list[i].intersects(list[j]));
      }
    }
    const QRectF plot = chart.MSChart1().Layout().plot;
    QStringList names = kSeries;
    names.sort();
    QCOMPARE(drawn.names.keys(), names);
    for (const QRectF& name : drawn.names) {
      QVERIFY(QRectF(QPointF(), QSizeF(chart.size())).contains(name));
      QVERIFY(!name.intersects(plot));
      QCOMPARE(name.top() > plot.bottom(), legendBelow);
    }
  }

  // A file name is shown as it is written, markup characters included.
  void titleShowsTheNameAsWritten() {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("<i>car&amp;1.CRV"));
    QVERIFY(QFile::copy(kExamples + QStringLiteral("strain-car1.CRV"), name));
    FrmChart& chart = Load(name);
    QVERIFY(DrawnLabels(chart).texts.contains(
        QStringLiteral("QRV Load Calibration Chart for <i>car&amp;1.CRV")));
  }
};

QTEST_MAIN(ChartWindowPlot)
#include "tst_chart_window_plot.moc"
