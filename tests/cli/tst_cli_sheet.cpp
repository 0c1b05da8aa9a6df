// The calibration sheet as a user makes and files it: mirelda-crv report run
// as a process, its pages read back with pdftotext.
#include <QRectF>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "tests/cli/SheetFixture.h"

class CliSheet : public QObject, SheetFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { Setup(); }

  // Every page names the installation, the run and the file's identifier,
  // with its own number of all; every word lies on the A4 page, clear of
  // the footer.
  void identity_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("pages");
    const QString strain = Example("strain-car1.CRV");
    const QString pressure = Example("pressure-car3.CRV");
    const QStringList strainMarks{kStrainInstallation, kStrainRun, Identifier(strain)};
    QTest::newRow("a strain car, site and technician")
        << QStringList{strain, "--site", "Harbour Offices", "--technician", "A. Tech"}
        << strainMarks + QStringList{"site Harbour Offices"} << 4;
    QTest::newRow("against a reference")
        << QStringList{strain, "--reference", "changed.CRV", "--tolerance", "0.05"} << strainMarks
        << 4;
    QTest::newRow("Windows-1252 lines before the header")
        << QStringList{pressure}
        << QStringList{"Müllerstraße 5, Aufzug 3 - 20°C", "run 2026-11-16 08:05",
                       Identifier(pressure)}
        << 4;
    QTest::newRow("2000 long lines before the header")
        << QStringList{"huge.CRV"} << QStringList{kStrainInstallation, Identifier("huge.CRV")} << 4;
    const QString bad = Example("bad-row.CRV");
    QTest::newRow("a refused file")
        << QStringList{bad} << QStringList{kStrainInstallation, kStrainRun, Identifier(bad)} << 1;
  }
  void identity() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, marks);
    QFETCH(int, pages);
    Report(args);
    const QStringList texts = Pages();
    QCOMPARE(texts.size(), pages);
    for (int p = 0; p < pages; ++p) {
      for (const QString& mark : marks + QStringList{"issued " + kIssued}) {
        QVERIFY2(texts[p].contains(mark),
                 qPrintable(QStringLiteral("page %1: %2").arg(p + 1).arg(mark)));
      }
      QVERIFY(texts[p].contains(QStringLiteral("page %1 of %2").arg(p + 1).arg(pages)));
    }
    WordsOnPages(pages);
  }

  // The verdict, per curve and overall, either side of the tolerance, with
  // the differences taken this file minus the reference.
  void verdict_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("loadedUp");  // its row of the differences
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("status");
    const QString strain = Example("strain-car1.CRV");
    QTest::newRow("at the tolerance")
        << QStringList{"changed.CRV", "--reference", strain, "--tolerance", "0.1"}
        << "Loaded Up 0.10 37 0.00 yes"
        << "Within tolerance: every curve" << 0;
    QTest::newRow("beyond it") << QStringList{"changed.CRV", "--reference", strain, "--tolerance",
                                              "0.09"}
                               << "Loaded Up 0.10 37 0.00 no"
                               << "Not within tolerance: at least one curve" << 1;
    QTest::newRow("runs the other way round")
        << QStringList{strain, "--reference", "changed.CRV", "--tolerance=0,1"}
        << "Loaded Up -0.10 37 0.00 yes"
        << "Within tolerance" << 0;
    QTest::newRow("no tolerance, no verdict")
        << QStringList{"changed.CRV", "--reference", strain} << "Loaded Up 0.10 37 0.00"
        << "" << 0;
  }
  void verdict() {
    QFETCH(QStringList, args);
    QFETCH(QString, loadedUp);
    QFETCH(QString, verdict);
    QFETCH(int, status);
    QCOMPARE(Report(args), status);
    const QString text = Pages().join('\n');
    QStringList rows;
    for (const QString& line : FilledLines(text)) {
      if (line.startsWith("Loaded Up ")) rows << line.simplified();
    }
    QCOMPARE(rows.value(0), loadedUp);
    if (verdict.isEmpty()) {
      QVERIFY(!text.contains("tolerance", Qt::CaseInsensitive));
    } else {
      QVERIFY(text.contains(verdict));
      QVERIFY(text.contains("The rule: within tolerance when the largest difference of every"));
    }
  }

  // The curves' table: every height once, values right-aligned, the marks
  // of each sample set in their own column, the headings on every page the
  // table runs on to.
  void curvesTable() {
    QCOMPARE(Report({Example("strain-car1.CRV")}), 0);
    const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+)((?:\\s+-?\\d+\\.\\d\\d(?:\\s+\\*)?){7})\\s*$"),
        QRegularExpression::MultilineOption);
    const QRegularExpression headings(
        QStringLiteral("^\\s*Height \\(%\\)\\s+Dynamic\\s+Loaded Up\\s+Empty Up\\s+Loaded Down\\s+"
                       "Empty Down\\s+Delta Up\\s+Delta Down\\s*$"),
        QRegularExpression::MultilineOption);
    const QSet<int> up{5, 20, 45, 70, 95};
    const QSet<int> down{10, 30, 60, 90};
    QList<int> heights;
    for (const QString& page : Pages()) {
      if (!row.match(page).hasMatch()) continue;
      const QRegularExpressionMatch heading = headings.match(page);
      QVERIFY(heading.hasMatch() && heading.capturedStart() < row.match(page).capturedStart());
      for (const QRegularExpressionMatch& m : row.globalMatch(page)) {
        const int h = m.captured(1).toInt();
        heights << h;
        QString marks;
        for (const QString& cell : m.captured(2).split(' ', Qt::SkipEmptyParts)) {
          if (cell == "*")
            marks.back() = '*';
          else
            marks += '-';
        }
        const QString u = up.contains(h) ? "**" : "--";
        const QString d = down.contains(h) ? "**" : "--";
        QCOMPARE(marks, "-" + u + d + "--");
      }
    }
    QCOMPARE(heights.size(), 101);
    for (int h = 0; h <= 100; ++h) QCOMPARE(heights[h], h);
  }

  // A refused file: one page that says it is not a calibration sheet, and why.
  void refused_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("why");
    QTest::newRow("a bad row")
        << Example("bad-row.CRV")
        << "Line 43 of the file does not keep to the format of a calibration file: field 4 "
           "\"014772\": a leading zero.";
    QTest::newRow("300 more lines before the header")
        << "long-bad.CRV"
        << "Line 343 of the file does not keep to the format";
    QTest::newRow("missing") << "missing.CRV"
                             << "It could not be opened: No such file";
    QTest::newRow("not a CRV name") << "notes.txt"
                                    << "Its name does not end in .CRV";
  }
  void refused() {
    QFETCH(QString, file);
    QFETCH(QString, why);
    QCOMPARE(Report({file}), 1);
    const QStringList pages = Pages();
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains("Not a calibration sheet"));
    QVERIFY(!pages[0].contains("Calibration sheet"));
    QVERIFY2(pages[0].simplified().contains(why), qPrintable(pages[0]));
    QVERIFY(
        Poppler("pdfinfo", {"sheet.pdf"}).contains(QRegularExpression("Title:\\s+Refused file")));
  }

 private:
  // Every word lies on its A4 page, above the footer ("... page N of M") or in it.
  void WordsOnPages(int pages) {
    const QRegularExpression size(QStringLiteral("^width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.-]+)\" yMin=\"([\\d.-]+)\" "
                       "xMax=\"([\\d.-]+)\" yMax=\"([\\d.-]+)\">([^<]*)<"));
    int seen = 0;
    for (const QString& part :
         Poppler("pdftotext", {"-bbox", "sheet.pdf", "-"}).split("<page ").mid(1)) {
      const QRegularExpressionMatch a4 = size.match(part);
      QVERIFY(a4.hasMatch());
      QCOMPARE(qRound(a4.captured(1).toDouble()), 595);
      QCOMPARE(qRound(a4.captured(2).toDouble()), 842);
      ++seen;
      QList<QRectF> boxes;
      double footer = 0;
      for (const QRegularExpressionMatch& w : word.globalMatch(part)) {
        boxes << QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                        QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
        if (w.captured(5) == "page") footer = boxes.last().top();
      }
      QVERIFY(footer > 0);
      for (const QRectF& box : boxes) {
        QVERIFY(QRectF(0, 0, 595, 842).contains(box));
        QVERIFY(box.bottom() < footer - 3 || box.top() >= footer - 1);
      }
    }
    QCOMPARE(seen, pages);
  }
};

QTEST_MAIN(CliSheet)
#include "tst_cli_sheet.moc"
