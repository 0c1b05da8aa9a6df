// The chart window on the example files, through the real main window: what
// it plots and labels, and what the mouse reads out and selects over it.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "chart/ChartLayout.h"
#include "mainwindow/FrmCURVE.h"
#include "platform/MessageBox.h"
#include "platform/RoundHalfEven.h"
#include "platform/WindowPrinter.h"

namespace {

const QString kExamples = QStringLiteral(MIRELDA_EXAMPLES_DIR "/");
const QStringList kSeries = {"Dynamic",    "Loaded Up", "Empty Up",  "Loaded Down",
                             "Empty Down", "Delta Up",  "Delta Down"};

// Where the point of a series (1..7) at a height is drawn, in the chart's pixels.
QPoint PointPlace(FrmChart& chart, int series, int height) {
  const chart::ChartLayout& layout = chart.MSChart1().Layout();
  const float value = layout.content.series.at(series - 1).values.at(height);
  return platform::WholePixels(layout.Map(height, value));
}

// The heights under the tick marks drawn below the plot, from its edge.
QList<int> HeightTicks(FrmChart& chart) {
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

QList<int> Marks(platform::ListBox& list) {
  QList<int> marked;
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.Selected(i)) marked << i;
  }
  return marked;
}

// What the main window shows of its lists: visibility, button, current line, marks.
QString ListState(FrmCURVE& w) {
  QString state;
  for (int16_t c = 240; c <= 247; ++c) {
    QDebug(&state) << c << w.ListData(c).Visible() << w.ListSelect(c).Value()
                   << w.ListData(c).ListIndex() << Marks(w.ListData(c));
  }
  return state;
}

}  // namespace

class ChartWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    previous_ = platform::SetMessageHandler([](const QString&, platform::MessageIcon) {});
  }
  void cleanup() {
    platform::SetMessageHandler(previous_);
    main_.reset();
  }

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

  // Ctrl+C, or the view's accessible Copy action, puts the chart on the
  // clipboard as PNG and SVG; nothing else changes.
  void copiesTheChart() {
    FrmChart& chart = Load(QStringLiteral("strain-car1.CRV"));
    const QString log = main_->TxtStatus().Text();
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(chart.MSChart1().widget());
    QVERIFY(view && view->actionInterface());
    QVERIFY(view->actionInterface()->actionNames().contains(QStringLiteral("Copy")));
    chart.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chart));
    for (const bool byKey : {true, false}) {
      QGuiApplication::clipboard()->clear();
      if (byKey) {
        QTest::keyClick(&chart, Qt::Key_C, Qt::ControlModifier);
      } else {
        view->actionInterface()->doAction(QStringLiteral("Copy"));
      }
      const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
      QVERIFY(copied);
      const QImage image = QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG");
      // One pixel of the picture per pixel of the screen.
      if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        QCOMPARE(chart.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
      }
      QCOMPARE(image.size(), chart.size() * chart.devicePixelRatio());
      QImage blank(image.size(), image.format());
      blank.fill(image.pixel(0, 0));
      QVERIFY(image != blank);
      const QString svg = QString::fromUtf8(copied->data(QStringLiteral("image/svg+xml")));
      QVERIFY(svg.contains(QStringLiteral("<svg")));
      QVERIFY(svg.contains(QStringLiteral("QRV Load Calibration Chart for strain-car1.CRV")));
      QVERIFY(svg.contains(QStringLiteral("Delta Down")));
      QVERIFY(svg.contains(QStringLiteral("<desc>Height (%) from 0 to 100; STRAIN (mV) from 46")));
    }
    QCOMPARE(main_->TxtStatus().Text(), log);
  }

  // Print Chart of the open window and, after the user closed it, of the
  // window rebuilt hidden at its design-time place: the same texts on paper,
  // every height label among them.
  void printsTheSameLabels_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("strain") << "strain-car1.CRV";
    QTest::newRow("pressure") << "pressure-car2.CRV";
  }

  void printsTheSameLabels() {
    QFETCH(QString, file);
    Load(file);
    QStringList printed[2];
    for (QStringList& words : printed) {
      if (&words == &printed[1]) {
        // The user closes the chart window; Print Chart rebuilds it hidden.
        main_->Chart()->close();
        QVERIFY(!main_->ChartLoaded());
      }
      const QString pdf = dir_.filePath(QStringLiteral("print.pdf"));
      platform::SetPrintOutputFile(pdf);
      main_->mnuFilePrintChart().action()->trigger();
      platform::SetPrintOutputFile(QString());
      QProcess pdftotext;
      pdftotext.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
      if (!pdftotext.waitForFinished()) QSKIP("pdftotext (poppler-utils) reads the printout back");
      words = QString::fromUtf8(pdftotext.readAllStandardOutput())
                  .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
      words.sort();
    }
    QVERIFY(!main_->Chart()->isVisible());
    QCOMPARE(printed[1], printed[0]);
    for (int h = 0; h <= 100; h += 10) QVERIFY(printed[0].contains(QString::number(h)));
    QVERIFY(printed[0].contains(QStringLiteral("Down")));
  }

  void toolTipReadsOutPoints() {
    FrmChart& chart = Load(QStringLiteral("strain-car1.CRV"));
    QWidget* viewport = chart.MSChart1().widget();
    QCOMPARE(chart.MSChart1().ToolTipText(), QString());
    QTest::mouseMove(viewport, PointPlace(chart, 1, 7));
    QCOMPARE(chart.MSChart1().ToolTipText(), QStringLiteral("Dynamic@7%=78.78"));
    QTest::mouseMove(viewport, PointPlace(chart, 7, 50) + QPoint(1, -1));
    QCOMPARE(chart.MSChart1().ToolTipText(), QStringLiteral("Delta Down@50%=49.38"));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Delta Down@50%=49.38"));
    // Over the title and an empty place the text stays.
    QTest::mouseMove(viewport, QPoint(viewport->width() / 2, 4));
    QTest::mouseMove(viewport, PointPlace(chart, 1, 50) + QPoint(0, 40));
    QCOMPARE(chart.MSChart1().ToolTipText(), QStringLiteral("Delta Down@50%=49.38"));
    // Once a release has activated the main window, the chart still shows
    // its tool tip: at once on a point, and resting elsewhere.
    Press(chart, PointPlace(chart, 2, 50));
    const auto hidden = [] {
      QToolTip::hideText();
      return !QToolTip::isVisible();
    };
    QTRY_VERIFY(hidden());
    QTest::mouseMove(viewport, PointPlace(chart, 1, 50));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Dynamic@50%=77.16"));
    QTRY_VERIFY(hidden());
    QTest::mouseMove(viewport, PointPlace(chart, 1, 50) + QPoint(0, 40));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Dynamic@50%=77.16"));
    QCOMPARE(QApplication::activeWindow(), main_.get());
    // A new load starts without one.
    main_->ShowChart();
    main_->UnloadChart();
    main_->ShowChart();
    QCOMPARE(main_->Chart()->MSChart1().ToolTipText(), QString());
  }

  void pressSelectsTheLine_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("line");
    QTest::newRow("Dynamic") << 1 << 50 << 241 << 51;
    QTest::newRow("Loaded Up") << 2 << 50 << 242 << 51;
    QTest::newRow("Empty Up") << 3 << 50 << 243 << 51;
    QTest::newRow("Loaded Down") << 4 << 50 << 244 << 51;
    QTest::newRow("Empty Down") << 5 << 50 << 245 << 51;
    // Delta Down, drawn over it, lies within the hit distance: the nearest wins.
    QTest::newRow("Delta Up, under a close Delta Down") << 6 << 50 << 246 << 50;
    QTest::newRow("Delta Down") << 7 << 50 << 247 << 50;
    QTest::newRow("measured at 100 %") << 1 << 100 << 241 << 101;
    QTest::newRow("difference at 100 %") << 7 << 100 << 247 << 100;
  }

  void pressSelectsTheLine() {
    QFETCH(int, series);
    QFETCH(int, height);
    QFETCH(int, code);
    QFETCH(int, line);
    FrmChart& chart = Load(QStringLiteral("strain-car1.CRV"));
    platform::ListBox& list = main_->ListData(static_cast<int16_t>(code));
    const QList<int> marks = Marks(list);
    const QPoint place = PointPlace(chart, series, height);
    if (QByteArray(QTest::currentDataTag()).contains("close")) {
      const QPoint apart = PointPlace(chart, 7, height) - place;
      QVERIFY(std::hypot(apart.x(), apart.y()) <= 4);
    }
    Press(chart, place);
    QVERIFY(chart.MSChart1().ToolTipText().startsWith(
        QStringLiteral("%1@%2%=").arg(kSeries[series - 1]).arg(height)));
    QCOMPARE(list.ListIndex(), line);
    QVERIFY(list.List(line).trimmed().startsWith(QStringLiteral("%1%=").arg(height)));
    for (int16_t c = 240; c <= 247; ++c) {
      QCOMPARE(main_->ListData(c).Visible(), c == code);
      QCOMPARE(main_->ListSelect(c).Value(), c == code);
    }
    QCOMPARE(Marks(list), marks);
    QCOMPARE(QApplication::focusWidget(), list.widget());
  }

  // Places given as "title", "corner" or "series height dx dy" (off a point).
  void offPointsChangeNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("place");
    const QString strain = QStringLiteral("strain-car1.CRV");
    QTest::newRow("title") << strain << "title";
    QTest::newRow("empty plot") << strain << "1 50 0 40";
    QTest::newRow("corner") << strain << "corner";
    QTest::newRow("beyond the hit distance") << strain << "1 50 0 6";
    // Loaded Up and Delta Up at 0.52 V from 97 %, over a range of 0..0.5 V.
    QTest::newRow("clipped above the range")
        << Write("clipped.CRV", "0,0,0,0,0", "0,6816,0,0,0") << "2 98 0 0";
  }

  void offPointsChangeNothing() {
    QFETCH(QString, file);
    QFETCH(QString, place);
    FrmChart& chart = Load(file);
    const QString before = ListState(*main_);
    QWidget* viewport = chart.MSChart1().widget();
    const QStringList n = place.split(' ');
    const QPoint at = place == "title"    ? QPoint(viewport->width() / 2, 4)
                      : place == "corner" ? QPoint(viewport->width() - 2, viewport->height() - 2)
                                          : PointPlace(chart, n[0].toInt(), n[1].toInt()) +
                                                QPoint(n[2].toInt(), n[3].toInt());
    QVERIFY(viewport->rect().contains(at));
    Press(chart, at);
    QCOMPARE(chart.MSChart1().ToolTipText(), QString());
    QCOMPARE(ListState(*main_), before);
  }

  // Places and sizes in twips go to whole pixels, a tie to the even one.
  void pixelsRoundTiesToEven_data() {
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("1.5 px up") << 22.5f << 2;
    QTest::newRow("2.5 px down") << 37.5f << 2;
    QTest::newRow("500.5 px down") << 7507.5f << 500;
  }

  void pixelsRoundTiesToEven() {
    QFETCH(float, twips);
    QFETCH(int, pixels);
    QWidget parent;
    chartwindow::ChartControl control(&parent);
    control.SetLeft(twips);
    control.SetTop(twips);
    control.SetWidth(twips);
    control.SetHeight(twips);
    QCOMPARE(control.widget()->geometry(), QRect(pixels, pixels, pixels, pixels));
  }

  // Points the window cannot show are refused: nothing changes.
  void refusedPoints_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("line");
    QTest::newRow("series 7") << 7 << 5;
    QTest::newRow("series -1") << -1 << 5;
    QTest::newRow("line -1") << 0 << -1;
    QTest::newRow("past a measured list") << 0 << 102;
    QTest::newRow("past a difference list") << 5 << 101;
    QTest::newRow("curve not present") << 1 << 5;
  }

  void refusedPoints() {
    QFETCH(int, series);
    QFETCH(int, line);
    Load(QStringLiteral("strain-car1.CRV"));
    const QString before = ListState(*main_);
    if (QByteArray(QTest::currentDataTag()) == "curve not present") {
      CURVEroutines::CurvePresent(242) = false;
    }
    CURVEroutines::ShowCurvePoint(static_cast<int16_t>(series), static_cast<int16_t>(line));
    CURVEroutines::CurvePresent(242) = true;
    QCOMPARE(ListState(*main_), before);
  }

 private:
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

QTEST_MAIN(ChartWindow)
#include "tst_chart_window.moc"
