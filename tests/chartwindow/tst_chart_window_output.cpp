// The chart window's copy and print, through the real main window.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "platform/WindowPrinter.h"
#include "tests/chartwindow/ChartWindowFixture.h"

class ChartWindowOutput : public QObject, ChartWindowFixture {
  Q_OBJECT

 private slots:
  void init() { Init(); }
  void cleanup() { Cleanup(); }

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
};

QTEST_MAIN(ChartWindowOutput)
#include "tst_chart_window_output.moc"
