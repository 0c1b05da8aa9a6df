// The chart's layout over sizes and contents: every height label drawn and
// apart, nothing overlapping, the title whole where it fits and centred, the
// legend naming every series (and both runs) in order, centred when below,
// the ticks from the plot's edges, the value labels on the axis's divisions.
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>
#include <cmath>
#include <map>

#include "chart/ChartLayout.h"
#include "chart/ChartStyle.h"
#include "chart/CurveBand.h"
#include "tests/chart/ChartSamples.h"

using charttest::Kind;

namespace {

const QString kLongName =
    QStringLiteral("lift-7-harbour-street-12-car-1-calibration-run3 final.CRV");
const QString kLastYear = QStringLiteral("harbour-street-12-car-1-2025-before-the-new-rope.CRV");

chart::ChartContent Content(const QString& which) {
  if (which == "strain") return charttest::Sample(Kind::Strain, "strain-car1.CRV");
  if (which == "pressure") return charttest::Sample(Kind::Pressure, "pressure-car2.CRV");
  if (which == "long title") return charttest::Sample(Kind::Strain, kLongName);
  if (which == "title wider than any window") {
    return charttest::Sample(Kind::Pressure, kLongName.repeated(6));
  }
  return charttest::WithReference(charttest::Sample(Kind::Strain, "strain-car1.CRV"), kLastYear);
}

QString Where(const chart::ChartText& t) {
  return QStringLiteral("'%1' at %2,%3 %4x%5")
      .arg(t.text)
      .arg(t.box.x())
      .arg(t.box.y())
      .arg(t.box.width())
      .arg(t.box.height());
}

}  // namespace

class ChartLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void layout_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("content");
    const QList<QSize> sizes = {{300, 200},  {521, 433},   {625, 502},  {800, 600},
                                {1920, 200}, {1920, 1200}, {3840, 2100}};
    for (const QSize& size : sizes) {
      for (const char* content :
           {"strain", "pressure", "long title", "title wider than any window", "two runs"}) {
        QTest::addRow("%dx%d %s", size.width(), size.height(), content)
            << size << QString::fromLatin1(content);
      }
    }
  }

  void layout() {
    QFETCH(QSize, size);
    QFETCH(QString, content);
    const chart::ChartContent in = Content(content);
    const chart::ChartLayout layout = chart::LayOutChart(in, size);
    const QRectF whole{QPointF(), QSizeF(size)};
    const QRectF& plot = layout.plot;
    QVERIFY2(plot.width() >= 150 && plot.height() >= 40, "the plot has room");

    // " 0", " 10", ..., " 100", apart, each centred on its height's place.
    QCOMPARE(layout.rowLabels.size(), std::size_t{11});
    for (int i = 0; i <= 10; ++i) {
      const chart::ChartText& label = layout.rowLabels[i];
      QCOMPARE(label.text, QStringLiteral(" %1").arg(i * 10));
      if (i > 0)
        QVERIFY2(label.box.left() > layout.rowLabels[i - 1].box.right(), qPrintable(Where(label)));
      const double digits =
          QFontMetricsF(chart::ChartFont(false)).horizontalAdvance(label.text.trimmed());
      QVERIFY(std::abs(label.box.right() - digits / 2 - layout.Map(i * 10, 0).x()) < 0.01);
    }

    // Nothing overlaps: the texts, the legend's entries and the plot.
    std::vector<std::pair<QString, QRectF>> parts{{"plot", plot}};
    std::vector<const chart::ChartText*> texts{&layout.title, &layout.xTitle, &layout.yTitle};
    for (const auto* list : {&layout.rowLabels, &layout.valueLabels, &layout.switchLabels}) {
      for (const chart::ChartText& t : *list) texts.push_back(&t);
    }
    for (const chart::ChartText* t : texts) {
      if (t->text.isEmpty()) continue;
      QVERIFY2(whole.contains(t->box), qPrintable(Where(*t)));
      parts.emplace_back(Where(*t), t->box);
    }
    for (const chart::LegendEntry& e : layout.legend.entries) {
      QVERIFY2(whole.contains(e.box), qPrintable(e.item.name));
      for (const chart::ChartText& line : e.lines) QVERIFY(e.box.contains(line.box));
      parts.emplace_back(QStringLiteral("legend ") + e.item.name, e.box);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        QVERIFY2(!parts[i].second.intersects(parts[j].second),
                 qPrintable(parts[i].first + " over " + parts[j].first));
      }
    }

    // The title: whole where the whole width holds it, centred on the chart.
    const QFontMetricsF bold(chart::ChartFont(true));
    const bool fits = bold.horizontalAdvance(in.title) <= size.width() - 16;
    QCOMPARE(layout.title.text == in.title, fits);
    QVERIFY(bold.horizontalAdvance(layout.title.text) <= size.width() - 16);
    QVERIFY(std::abs(layout.title.box.center().x() - size.width() / 2.0) < 0.01);

    // The legend: every series in order, then both runs, the reference said.
    QStringList names;
    for (const chart::LegendEntry& e : layout.legend.entries) {
      QString name;
      for (const chart::ChartText& line : e.lines) name += line.text;
      names << name;
    }
    QStringList expected;
    for (const chart::ChartSeries& s : in.series) expected << s.name;
    if (content == "two runs") expected << "strain-car1.CRV" << kLastYear + " (reference)";
    QCOMPARE(names, expected);
    if (layout.legend.below) {
      // Each row centred on the chart, below the plot.
      std::map<double, std::pair<double, double>> rows;
      for (const chart::LegendEntry& e : layout.legend.entries) {
        QVERIFY(e.box.top() > plot.bottom());
        auto [it, added] = rows.try_emplace(e.box.top(), e.box.left(), e.box.right());
        it->second = {std::min(it->second.first, e.box.left()),
                      std::max(it->second.second, e.box.right())};
      }
      for (const auto& [top, row] : rows) {
        QVERIFY2(std::abs(row.first + row.second - size.width()) < 0.01,
                 qPrintable(QString::number(top)));
      }
    } else {
      QVERIFY(layout.legend.rect.left() > plot.right());
    }

    // Ticks from the plot's edges outwards: a height tick at every fifth
    // height, a value tick at the labelled divisions at least.
    QList<int> heights;
    int valueTicks = 0;
    for (const QLineF& tick : layout.ticks) {
      if (tick.x1() == tick.x2()) {
        QCOMPARE(tick.y1(), plot.bottom());
        QVERIFY(tick.y2() > plot.bottom());
        heights << static_cast<int>(std::lround((tick.x1() - plot.left()) / plot.width() * 100));
      } else {
        QCOMPARE(tick.x2(), plot.left());
        QVERIFY(tick.x1() < plot.left());
        ++valueTicks;
      }
    }
    QList<int> fifths;
    for (int h = 0; h <= 100; h += 5) fifths << h;
    QCOMPARE(heights, fifths);
    QVERIFY(valueTicks >= static_cast<int>(layout.valueLabels.size()));

    // The value axis: its range as given, labels on its half units.
    QCOMPARE(layout.range.low, double(in.minimum));
    QCOMPARE(layout.range.high, double(in.maximum));
    QCOMPARE(layout.range.divisions, in.divisions);
    QVERIFY(layout.valueLabels.size() >= 2);
    for (const chart::ChartText& label : layout.valueLabels) {
      const double value = label.text.toDouble();
      QVERIFY2(std::abs(std::remainder(value, 0.5)) < 1e-9, qPrintable(label.text));
      QVERIFY(std::abs(label.box.center().y() - layout.Map(0, value).y()) < 0.01);
    }
    QCOMPARE(layout.Map(0, in.minimum), plot.bottomLeft());
    QCOMPARE(layout.Map(100, in.maximum), plot.topRight());
  }

  // A curve whose line would run many times the plot's size is drawn as the
  // band it sweeps: every place of it within the plot lies in the band, and
  // one that jumps from end to end at every row is one rectangle.
  void curveBand_data() {
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("dense");
    QTest::addColumn<int>("rectangles");  // -1: any number
    QTest::newRow("straight") << "straight" << false << -1;
    QTest::newRow("noisy within a fifth") << "noisy" << false << -1;
    QTest::newRow("zigzag end to end") << "zigzag" << true << 1;
    QTest::newRow("zigzag beyond the range") << "beyond" << true << 1;
    QTest::newRow("zigzag in the upper half") << "upper" << true << 1;
    QTest::newRow("random end to end") << "random" << true << -1;
  }

  void curveBand() {
    QFETCH(QString, shape);
    QFETCH(bool, dense);
    QFETCH(int, rectangles);
    const QRectF plot(50, 30, 500, 400);
    std::vector<QPointF> places;
    unsigned seed = 7;
    for (int r = 0; r <= 100; ++r) {
      const double x = plot.left() + plot.width() * r / 100;
      const double odd = r % 2;
      seed = seed * 1103515245 + 12345;
      const double random = (seed >> 8) % 1000 / 1000.0;
      const double y = shape == "straight" ? 400 - 3 * r
                       : shape == "noisy"  ? 300 + 80 * random
                       : shape == "zigzag" ? (odd ? plot.top() : plot.bottom())
                       : shape == "beyond" ? (odd ? -1e6 : 1e6)
                       : shape == "upper"  ? (odd ? plot.top() : plot.center().y())
                                           : plot.top() + plot.height() * random;
      places.emplace_back(x, y);
    }
    QCOMPARE(chart::IsDense(places, plot), dense);
    if (!dense) return;
    const double step = 2 * plot.width() / 100;
    const std::vector<QRectF> band = chart::CurveBand(places, plot, step, 0.75);
    if (rectangles >= 0) QCOMPARE(int(band.size()), rectangles);
    for (const QRectF& r : band) QVERIFY(plot.contains(r));
    for (const QPointF& p : places) {
      if (!plot.contains(p)) continue;
      bool inside = false;
      for (const QRectF& r : band) inside |= r.adjusted(0, 0, 0.01, 0.01).contains(p);
      QVERIFY2(inside, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
  }
};

QTEST_MAIN(ChartLayoutTest)
#include "tst_chart_layout.moc"
