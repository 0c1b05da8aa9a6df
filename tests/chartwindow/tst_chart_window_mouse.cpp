// The chart window under the mouse: what it reads out over the points and
// which line of the main window's lists a press selects.
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolTip>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "tests/chartwindow/ChartWindowFixture.h"

class ChartWindowMouse : public QObject, ChartWindowFixture {
  Q_OBJECT

 private slots:
  void init() { Init(); }
  void cleanup() { Cleanup(); }

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
};

QTEST_MAIN(ChartWindowMouse)
#include "tst_chart_window_mouse.moc"
