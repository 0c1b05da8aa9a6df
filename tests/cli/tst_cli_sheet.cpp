// The calibration sheet as a user makes and files it: mirelda-crv report run
// as a process, its pages read back with pdftotext.
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "tests/calibration/CrvBuilder.h"

namespace {

const QString kStrainInstallation = QStringLiteral("Harbour Street 12, car 1");
const QString kStrainRun = QStringLiteral("run 2026-11-14 09:42");
const QString kIssued = QStringLiteral("2026-12-01");

QString Example(const char* name) {
  return QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + QLatin1String(name);
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  return file.readAll();
}

QString Identifier(const QString& path) {
  return QString::fromLatin1(
      QCryptographicHash::hash(Bytes(path), QCryptographicHash::Sha256).toHex().left(12));
}

// The sheet of args written to sheet.pdf; the exit status.
int Report(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(MIRELDA_CRV),
          QStringList{"report", "-o", "sheet.pdf", "--issued", kIssued} + args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return -1;
  return p.exitCode();
}

QString Poppler(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished() || p.exitCode() != 0) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page, laid out as on paper.
QStringList Pages() {
  QStringList pages = Poppler("pdftotext", {"-layout", "sheet.pdf", "-"}).split('\f');
  pages.removeLast();  // after the last page's form feed
  return pages;
}

// The lines of a page that hold more than spaces.
QStringList FilledLines(const QString& page) {
  QStringList lines;
  for (const QString& line : page.split('\n')) {
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  }
  return lines;
}

}  // namespace

class CliSheet : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
    QProcess probe;
    probe.start("pdftotext", {"-v"});
    if (!probe.waitForFinished() || probe.exitCode() != 0) {
      QSKIP("pdftotext (poppler-utils) reads the sheets back");
    }
    const QByteArray strain = Bytes(Example("strain-car1.CRV"));
    // Loaded Up 0.10 V higher at 37 %.
    WriteCrv(dir_, QByteArray(strain).replace("37%,19931,25786,", "37%,19931,27097,"),
             "changed.CRV");
    // The same curves with 20 samples in each set and a note.
    QByteArray trailer = "ELEVUP,46%\r\nELEVDOWN,48%\r\n";
    for (const char* set : {"Loaded Up", "Empty Up", "Loaded Down", "Empty Down"}) {
      trailer += QByteArray(set) + " Samples\r\n";
      for (int h = 0; h < 100; h += 5) trailer += QByteArray::number(h) + "%,2000" + "0\r\n";
    }
    trailer += "Note: twenty samples a set\r\n";
    const QByteArray curves = strain.left(strain.indexOf("ELEVUP")) + trailer;
    WriteCrv(dir_, curves, "many.CRV");
    // Lines before the header of any number and length.
    WriteCrv(dir_, QByteArray(QByteArray(5000, 'x') + "\r\n").repeated(2000) + strain, "huge.CRV");
    const QByteArray bad = Bytes(Example("bad-row.CRV"));
    WriteCrv(dir_, QByteArray("note\r\n").repeated(300) + bad, "long-bad.CRV");
    WriteCrv(dir_, strain, "notes.txt");
  }

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

  QTemporaryDir dir_;
};

QTEST_MAIN(CliSheet)
#include "tst_cli_sheet.moc"
