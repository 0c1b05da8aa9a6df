// The chart window beside the main window, the chart printed, and quitting.
#include <QFileInfo>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "tests/mainwindow/MainCommandsFixture.h"

class MainChartPrint : public QObject, MainCommandsFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { Setup(); }
  void init() { Init(); }
  void cleanup() { Cleanup(); }

  // Each load places the chart beside the main window as far as the screen
  // allows; moves after that are the user's, until the next load.
  void chartOpensBesideTheMainWindow() {
    FrmCURVE w;
    w.move(40, 30);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    CURVEroutines::CurveFilePath = QStringLiteral("/lift/CAR1.CRV");
    chartwindow::FramePlaces places = PlacesFrom(w);
    w.ShowChart();
    QVERIFY(QTest::qWaitForWindowExposed(w.Chart()));
    QTRY_COMPARE(w.frameGeometry(), places.main);
    QTRY_COMPARE(w.Chart()->frameGeometry(), places.chart);
    QCOMPARE(w.Chart()->size(), QSize(625, 502));
    QCOMPARE(w.Chart()->windowTitle(), QStringLiteral("QRVcalChart"));
    QCOMPARE(w.Chart()->MSChart1().TitleText(),
             QStringLiteral("QRV Load Calibration Chart for CAR1.CRV"));
    QVERIFY(!w.Chart()->isModal());
    QCOMPARE(w.Chart()->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    // Moved by the user, it stays when the main window moves...
    w.Chart()->move(300, 300);
    QTRY_COMPARE(w.Chart()->pos(), QPoint(300, 300));
    w.move(w.pos() + QPoint(20, 10));
    QTRY_COMPARE(w.pos(), places.main.topLeft() + QPoint(20, 10));
    QTest::qWait(50);
    QCOMPARE(w.Chart()->pos(), QPoint(300, 300));
    // ... and opens beside the main window again at the next load.
    places = PlacesFrom(w);
    w.UnloadChart();
    w.ShowChart();
    QTRY_COMPARE(w.Chart()->frameGeometry(), places.chart);
    QCOMPARE(w.frameGeometry(), places.main);
  }

  // Read at start-up, the chart comes up once the main window is on the
  // screen, placed by its frame; the main window keeps the keyboard.
  void chartAtStartUpComesUpBeside() {
    FrmCURVE w;
    w.move(40, 30);
    w.Form_Load(good_);
    QVERIFY(!w.Chart()->isVisible());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const chartwindow::FramePlaces places = PlacesFrom(w);
    QTRY_VERIFY(w.Chart()->isVisible());
    QTRY_COMPARE(w.Chart()->frameGeometry(), places.chart);
    QCOMPARE(w.frameGeometry(), places.main);
    QTRY_COMPARE(QApplication::activeWindow(), &w);
  }

  void printsRebuiltChartToPdf() {
    FrmCURVE w;
    w.Form_Load(good_);
    w.show();
    QTRY_VERIFY(w.ChartLoaded() && w.Chart()->isVisible());
    // The user closes the chart window: it is unloaded.
    w.Chart()->close();
    QVERIFY(!w.ChartLoaded());
    QVERIFY(w.mnuFilePrintChart().Enabled());

    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("chart.pdf"));
    platform::SetPrintOutputFile(pdf);
    w.mnuFilePrintChart().action()->trigger();
    QCOMPARE(messages_, QStringList());
    QVERIFY(QFileInfo(pdf).size() > 1000);
    // Rebuilt for the printout, and left hidden.
    QVERIFY(w.ChartLoaded());
    QVERIFY(!w.Chart()->isVisible());

    // The page holds the whole chart: its title, axis titles and legend as
    // text, every word within the page.
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished()) QSKIP("pdftotext (poppler-utils) reads the printout back");
    const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    const auto numbers = [&](const QString& tag) {
      QList<double> found;
      for (auto m = number.globalMatch(tag); m.hasNext();) found << m.next().captured().toDouble();
      return found;
    };
    const QList<double> size =
        numbers(page.section(QStringLiteral("<page "), 1).section('>', 0, 0));
    QStringList words;
    const QRegularExpression word(QStringLiteral("<word ([^>]*)>([^<]*)</word>"));
    for (auto m = word.globalMatch(page); m.hasNext();) {
      const auto match = m.next();
      const QList<double> box = numbers(match.captured(1));  // xMin yMin xMax yMax
      QVERIFY2(box[2] <= size[0] && box[3] <= size[1], qPrintable(match.captured(2)));
      words << match.captured(2);
    }
    const QString text = words.join(' ');
    for (const char* part :
         {"QRV Load Calibration Chart for CAR1.CRV", "Height (%)", "PRESSURE (V)", "Delta Down"}) {
      QVERIFY2(text.contains(QLatin1String(part)), part);
    }
  }

  void printWithoutPrinterSaysSo() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
    FrmCURVE w;
    w.Form_Load(good_);
    w.mnuFilePrintChart_Click();
    QCOMPARE(messages_,
             QStringList{"No default printer is set up: the chart was not printed.\n\n"
                         "Ctrl+C in the chart window copies the chart, to paste it into a "
                         "report; mirelda-crv chart FILE -o chart.pdf writes it to a file."});
    QVERIFY(w.ChartLoaded());
  }

  void quitClosesBothWindows_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Quit button") << "button";
    QTest::newRow("File, Quit") << "menu";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
  }

  void quitClosesBothWindows() {
    QFETCH(QString, how);
    FrmCURVE w;
    w.Form_Load(good_);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QPointer<FrmChart> chart = w.Chart();
    QTRY_VERIFY(chart && chart->isVisible());
    if (how == "button") QTest::mouseClick(w.cmdQuit(), Qt::LeftButton);
    if (how == "menu") w.mnuFileQuit().action()->trigger();
    if (how == "esc") QTest::keyClick(&w, Qt::Key_Escape);
    if (how == "close") w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(chart.isNull());
    // No window is left, so the program ends.
    for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY(!top->isVisible());
    QCOMPARE(messages_, QStringList());
  }
};

QTEST_MAIN(MainChartPrint)
#include "tst_main_chart_print.moc"
