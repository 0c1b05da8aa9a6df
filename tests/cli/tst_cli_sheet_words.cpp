// The calibration sheet's words: headings kept with what follows them, and
// words for a customer.
#include <QRegularExpression>
#include <QTest>

#include "tests/cli/SheetFixture.h"

class CliSheetWords : public QObject, SheetFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { Setup(); }

  // Wherever the pages break, no heading is the last thing on its page: a
  // site that wraps to more lines moves every heading below it down a line.
  void headingsKeepCompany_data() {
    QTest::addColumn<QStringList>("args");
    for (int lines = 0; lines <= 40; ++lines) {
      QTest::addRow("site of %d lines", lines)
          << QStringList{"many.CRV",
                         "--reference",
                         "changed.CRV",
                         "--tolerance",
                         "1",
                         "--site",
                         QStringLiteral("Harbour Offices ").repeated(6 * lines)};
    }
  }
  void headingsKeepCompany() {
    QFETCH(QStringList, args);
    QCOMPARE(Report(args), 0);
    const QStringList headings{"Result",
                               "Compared with the reference run",
                               "Differences from the reference, in volts (V)",
                               "Elevation switches, height in %",
                               "Target samples, each as height (%): value (V)",
                               "Chart",
                               "The curves by height, in volts (V)",
                               "Notes in the file",
                               "Lines before the header",
                               "Signatures"};
    int seen = 0;
    for (const QString& page : Pages()) {
      QStringList lines = FilledLines(page);
      QVERIFY(lines.last().contains(QRegularExpression("page \\d+ of \\d+$")));
      lines.removeLast();
      for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!headings.contains(lines[i])) continue;
        ++seen;
        QVERIFY2(i + 1 < lines.size(), qPrintable(lines[i]));
        // The chart goes with its heading: its own title is on the same page.
        if (lines[i] == "Chart") QVERIFY(page.contains("Calibration Chart for many.CRV"));
      }
    }
    QCOMPARE(seen, 10);
  }

  // Words for a customer, units said once, the file's own text decoded and bounded.
  void words_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QStringList viewerWords{"INVALID", "Success!", "\\x"};
    QTest::newRow("a pressure car without empty-up samples")
        << QStringList{Example("pressure-car2.CRV")}
        << QStringList{"No empty-up samples were taken.",
                       "Notes in the file\nNote: empty up samples not taken",
                       "Sensor: PRESSURE, chart range 0 to 2.5 V",
                       "The chart draws this pressure sensor's readings in volts too"}
        << viewerWords;
    QTest::newRow("a strain car in mV")
        << QStringList{Example("strain-car1.CRV")}
        << QStringList{"Sensor: STRAIN, chart range 46 to 109 mV",
                       "a reading of 1 V in the tables stands at 51.2 mV on the chart",
                       "The file holds no notes after its curves."}
        << viewerWords + QStringList{"different kinds"};
    QTest::newRow("a reference of another kind")
        << QStringList{Example("strain-car1.CRV"), "--reference", Example("pressure-car2.CRV")}
        << QStringList{"Sensor: PRESSURE, chart range",
                       "The reference reads as a pressure sensor and this file as a strain sensor"}
        << viewerWords;
    QTest::newRow("Windows-1252 text")
        << QStringList{Example("pressure-car3.CRV"), "--technician", "Jürgen Groß"}
        << QStringList{"Technician: R. Weiß – service round 12", "Calibrated by: Jürgen Groß",
                       "Installation Müllerstraße 5, Aufzug 3 - 20°C"}
        << viewerWords;
    QTest::newRow("lines before the header bounded")
        << QStringList{"huge.CRV"}
        << QStringList{"1993 more lines are not shown.", "xxxxxxxx…xxxxxxxx"} << viewerWords;
  }
  void words() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QCOMPARE(Report(args), 0);
    // Lines trimmed, so that a text found is on lines of its own.
    const QString text = FilledLines(Pages().join('\n')).join('\n');
    for (const QString& words : present) {
      QVERIFY2(text.contains(words) || text.simplified().contains(words), qPrintable(words));
    }
    for (const QString& words : absent) QVERIFY2(!text.contains(words), qPrintable(words));
  }
};

QTEST_MAIN(CliSheetWords)
#include "tst_cli_sheet_words.moc"
