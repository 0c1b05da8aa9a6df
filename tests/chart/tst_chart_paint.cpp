// The chart as drawn: each curve in its colour at the places the layout
// gives, at the window's pixels and twice as fine; a reference run at its
// own values; switch lines at their heights; and an SVG that carries the
// chart's texts.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <cmath>

#include "chart/BandStack.h"
#include "chart/ChartOutput.h"
#include "chart/ChartStyle.h"
#include "tests/chart/ChartSamples.h"

using charttest::Kind;

namespace {

int Distance(QRgb a, const QColor& b) {
  return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) +
         std::abs(qBlue(a) - b.blue());
}

// The pixel nearest the colour within a pixel of the layout's place.
int Nearest(const QImage& image, QPointF at, const QColor& colour) {
  const double ratio = image.devicePixelRatio();
  const QPoint centre((at * ratio).toPoint());
  int best = 3 * 255;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p = centre + QPoint(dx, dy);
      if (image.rect().contains(p)) best = std::min(best, Distance(image.pixel(p), colour));
    }
  }
  return best;
}

// How far from white the darkest pixel within a pixel of the place is.
int Ink(const QImage& image, QPointF at) {
  const double ratio = image.devicePixelRatio();
  const QPoint centre((at * ratio).toPoint());
  int most = 0;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p = centre + QPoint(dx, dy);
      if (image.rect().contains(p)) most = std::max(most, Distance(image.pixel(p), Qt::white));
    }
  }
  return most;
}

}  // namespace

class ChartPaintTest : public QObject {
  Q_OBJECT

 private slots:
  void seriesColours_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("reference");
    QTest::newRow("window") << QSize(625, 502) << 1.0 << false;
    QTest::newRow("window, twice as fine") << QSize(625, 502) << 2.0 << false;
    QTest::newRow("small, two runs") << QSize(300, 200) << 1.0 << true;
    QTest::newRow("large, two runs, twice as fine") << QSize(1600, 1000) << 2.0 << true;
  }

  void seriesColours() {
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QFETCH(bool, reference);
    chart::ChartContent content = charttest::Sample(Kind::Pressure, "p.CRV");
    if (reference) content = charttest::WithReference(content, "last.CRV");
    const chart::ChartLayout layout = chart::LayOutChart(content, size);
    const QImage image = chart::ChartImage(layout, ratio);
    QCOMPARE(image.size(), size * ratio);
    for (const chart::ChartSeries& s : content.series) {
      for (const int row : {5, 50, 95}) {
        const int d = Nearest(image, layout.Map(row, s.values[row]), s.colour);
        QVERIFY2(d < 60, qPrintable(QStringLiteral("%1 at %2: %3").arg(s.name).arg(row).arg(d)));
      }
    }
    // The reference's dotted curves at its own values: ink along each.
    for (const chart::ChartSeries& s : content.reference) {
      int inked = 0;
      for (int row = 40; row < 60; ++row) {
        inked += Ink(image, layout.Map(row, s.values[row])) > 90;
      }
      QVERIFY2(inked >= 10, qPrintable(s.name));
    }
  }

  // Up and Down: a line at each one's height, its label at the plot's top
  // or foot beside the line and clear of it, inside the plot, and no ink
  // where no line is.
  void switchLines_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("inside") << QList<int>{30, 65};
    QTest::newRow("at the plot's edges") << QList<int>{0, 100};
    QTest::newRow("a height apart") << QList<int>{46, 47};
  }
  void switchLines() {
    QFETCH(QList<int>, rows);
    chart::ChartContent content = charttest::Sample(Kind::Strain, "s.CRV");
    content.series.clear();
    content.switches = {{rows[0], "Up", true}, {rows[1], "Down", false}};
    const chart::ChartLayout layout = chart::LayOutChart(content, {625, 502});
    const QImage image = chart::ChartImage(layout, 1.0);
    const double middle = layout.plot.center().y();
    QCOMPARE(layout.switchLabels.size(), std::size_t{2});
    for (int i = 0; i < 2; ++i) {
      const chart::ChartSwitch& s = content.switches[i];
      const QRectF& box = layout.switchLabels[i].box;
      const double x = layout.Map(s.row, 0).x();
      QCOMPARE(layout.switchLabels[i].text, s.label);
      QVERIFY2(box.right() < x - 2 || box.left() > x + 2, qPrintable(s.label));
      QVERIFY(layout.plot.contains(box));
      QCOMPARE(box.center().y() < middle, s.atTop);
      int inked = 0;
      for (int y = int(layout.plot.top()) + 20; y < int(layout.plot.bottom()) - 20; ++y) {
        inked += Ink(image, QPointF(x, y)) > 150;
      }
      QVERIFY2(inked > layout.plot.height() / 2, qPrintable(s.label));
    }
    for (int y = int(layout.plot.top()) + 20; y < int(layout.plot.bottom()) - 20; ++y) {
      QVERIFY(Ink(image, QPointF(layout.Map(rows[0] == 0 ? 50 : 20, 0).x(), y)) <= 150);
    }
  }

  // A marked sample is drawn whole, at the plot's corners too.
  void marksWhole() {
    chart::ChartContent content = charttest::Sample(Kind::Strain, "s.CRV");
    content.series.clear();
    const QColor colour(Qt::red);
    content.marks = {{0, content.minimum, colour}, {100, content.maximum, colour}};
    const chart::ChartLayout layout = chart::LayOutChart(content, {625, 502});
    const QImage image = chart::ChartImage(layout, 1.0);
    for (const chart::ChartMark& mark : content.marks) {
      const QPointF at = layout.Map(mark.row, mark.value);
      for (const QPointF& side : {QPointF(-2, 0), QPointF(2, 0), QPointF(0, -2), QPointF(0, 2)}) {
        QVERIFY2(Nearest(image, at + side, colour) < 60, qPrintable(QString::number(mark.row)));
      }
    }
  }

  // Bands one over another, mixed as see-through colours over white: one
  // rectangle per stretch of one mixture, the later band over the earlier.
  void stackedBands_data() {
    QTest::addColumn<QList<QRectF>>("first");   // in black
    QTest::addColumn<QList<QRectF>>("second");  // in white
    QTest::addColumn<QList<QRectF>>("rects");
    QTest::addColumn<QList<int>>("greys");  // of each rectangle, 0..255
    const QRectF plot(10, 10, 100, 50);
    QTest::newRow("the same band: one rectangle")
        << QList<QRectF>{plot} << QList<QRectF>{plot} << QList<QRectF>{plot} << QList<int>{191};
    QTest::newRow("side by side") << QList<QRectF>{{10, 10, 50, 50}}
                                  << QList<QRectF>{{60, 10, 50, 50}}
                                  << QList<QRectF>{{10, 10, 50, 50}, {60, 10, 50, 50}}
                                  << QList<int>{128, 255};
    QTest::newRow("one within the other") << QList<QRectF>{plot} << QList<QRectF>{{40, 20, 20, 10}}
                                          << QList<QRectF>{{10, 10, 100, 10},
                                                           {10, 20, 30, 10},
                                                           {40, 20, 20, 10},
                                                           {60, 20, 50, 10},
                                                           {10, 30, 100, 30}}
                                          << QList<int>{128, 128, 191, 128, 128};
  }

  void stackedBands() {
    QFETCH(QList<QRectF>, first);
    QFETCH(QList<QRectF>, second);
    QFETCH(QList<QRectF>, rects);
    QFETCH(QList<int>, greys);
    const std::vector<chart::Band> bands{{{first.begin(), first.end()}, Qt::black},
                                         {{second.begin(), second.end()}, Qt::white}};
    QList<QRectF> filled;
    QList<int> filledGreys;
    for (const chart::BandFill& fill : chart::StackedBands(bands, 0.5)) {
      filled << fill.rect;
      filledGreys << fill.colour.red();
    }
    QCOMPARE(filled, rects);
    QCOMPARE(filledGreys, greys);
  }

  // The SVG holds the chart's texts as text, and its description.
  void svgTexts() {
    const chart::ChartContent content = charttest::WithReference(
        charttest::Sample(Kind::Strain, "strain-car1.CRV"), "car1-2025.CRV");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(chart::WriteChartSvg(chart::LayOutChart(content, {625, 502}), buffer));
    const QString svg = QString::fromUtf8(bytes);
    QStringList texts{"QRV Load Calibration Chart for strain-car1.CRV", "Height (%)", "STRAIN (mV)",
                      "strain-car1.CRV", "car1-2025.CRV (reference)"};
    for (const chart::ChartSeries& s : content.series) texts << s.name;
    for (int h = 0; h <= 100; h += 10) texts << QStringLiteral(" %1").arg(h);
    for (const QString& text : texts) {
      QVERIFY2(svg.contains(QLatin1Char('>') + text.toHtmlEscaped() + QLatin1Char('<')),
               qPrintable(text));
    }
    QVERIFY(
        svg.contains("<desc>Height (%) from 0 to 100; STRAIN (mV) from 46 to 109; series "
                     "Dynamic, Loaded Up, Empty Up, Loaded Down, Empty Down, Delta Up, Delta "
                     "Down; reference car1-2025.CRV</desc>"));
  }
};

QTEST_MAIN(ChartPaintTest)
#include "tst_chart_paint.moc"
