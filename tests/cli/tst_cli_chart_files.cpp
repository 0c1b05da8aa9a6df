// mirelda-crv chart: its files, their pictures and names, and the outputs it
// refuses or fails to write.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "tests/cli/CliRun.h"

class CliChartFiles : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WriteCliFiles(dir_); }
  void cleanupTestCase() { RemoveCliFiles(); }

  void chartFiles() {
    const QString strain = Example("strain-car1.CRV");
    QVERIFY(Crv({"chart", strain, "-o", "c.png"}).status == 0);
    QCOMPARE(QImage("c.png").size(), QSize(625, 502));
    // The chart fills a window of any size: its legend stands at the far right.
    QVERIFY(Crv({"chart", "--size=900x700", strain, "--output", "large.PNG"}).status == 0);
    const QImage large("large.PNG");
    QCOMPARE(large.size(), QSize(900, 700));
    bool drawnRight = false;
    for (int x = 700; x < 900; ++x) drawnRight |= large.pixel(x, 350) != large.pixel(0, 0);
    QVERIFY(drawnRight);

    QCOMPARE(Crv({"chart", Example("pressure-car2.CRV"), "-o", "c.pdf"}).status, 0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"c.pdf", "-"});
    if (!pdftotext.waitForFinished()) QSKIP("pdftotext (poppler-utils) reads the chart back");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* part :
         {"QRV Load Calibration Chart for pressure-car2.CRV", "Height (%)", "PRESSURE (V)"}) {
      QVERIFY2(text.contains(QLatin1String(part)), part);
    }
    QCOMPARE(Crv({"chart", strain, "-o", "c.svg"}).status, 0);
    QFile svg("c.svg");
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("STRAIN (mV)"));
  }

  // The axes of the chart as its SVG describes them: one run alone, or the
  // range and sensor kind over both runs.
  void chartReference_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("axis");
    const QString strain = Example("strain-car1.CRV");
    QTest::newRow("alone") << QStringList{strain} << "STRAIN (mV) from 46 to 109";
    QTest::newRow("reference above")
        << QStringList{strain, "--reference", "high.CRV"} << "PRESSURE (V) from 0 to 3.5";
    QTest::newRow("file above") << QStringList{"high.CRV", "--reference", strain}
                                << "PRESSURE (V) from 0 to 3.5";
    QTest::newRow("with marks") << QStringList{"--marks", strain} << "STRAIN (mV) from 46 to 109";
  }
  void chartReference() {
    QFETCH(QStringList, args);
    QFETCH(QString, axis);
    QCOMPARE(Crv(QStringList{"chart", "-o", "r.svg"} + args).status, 0);
    QFile svg("r.svg");
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString drawn = QString::fromUtf8(svg.readAll());
    QVERIFY2(drawn.contains("; " + axis + "; series Dynamic, "), qPrintable(axis));
    QCOMPARE(drawn.contains("; reference "), args.contains("--reference"));
    // The switch heights' labels.
    QCOMPARE(drawn.contains(">Up<") && drawn.contains(">Down<"), args.contains("--marks"));
  }

  // The PNG's pixels at the sizes the options give, drawn without a display;
  // at any scale, text and lines keep their share of the picture, and lines
  // are smoothed into many shades of their colours as in the window.
  void chartImages_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("smallest") << QStringList{"--size=1x1"} << QSize(1, 1);
    QTest::newRow("widest") << QStringList{"--size=10000x1"} << QSize(10000, 1);
    // 1562.5 x 1255 pixels, the half to the even side.
    QTest::newRow("scale 1 given") << QStringList{"--scale=1"} << QSize(625, 502);
    QTest::newRow("scaled to exactly 10000")
        << QStringList{"--size=5000x20", "--scale=2"} << QSize(10000, 40);
    QTest::newRow("two and a half times finer") << QStringList{"--scale=2.5"} << QSize(1562, 1255);
    QTest::newRow("no display, no platform named")
        << QStringList{"@-DISPLAY", "@-WAYLAND_DISPLAY", "@-QT_QPA_PLATFORM"} << QSize(625, 502);
  }
  void chartImages() {
    QFETCH(QStringList, args);
    QFETCH(QSize, pixels);
    const QStringList chart{"chart", Example("strain-car1.CRV"), "-o"};
    QCOMPARE(Crv(chart + QStringList{"i.png"} + args).status, 0);
    const QImage image("i.png");
    QCOMPARE(image.size(), pixels);
    if (pixels.height() < 100) return;
    const auto ink = [](const QImage& picture, QSet<QRgb>& shades) {
      qsizetype dark = 0;
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
          const QRgb rgb = picture.pixel(x, y);
          dark += qGray(rgb) < 200;
          if (qRed(rgb) != qGreen(rgb) || qGreen(rgb) != qBlue(rgb)) shades.insert(rgb);
        }
      }
      return double(dark) / (picture.width() * picture.height());
    };
    QCOMPARE(Crv(chart + QStringList{"at-one.png"}).status, 0);
    QSet<QRgb> shades;
    const double share = ink(image, shades) / ink(QImage("at-one.png"), shades);
    QVERIFY2(std::abs(share - 1) < 0.2, qPrintable(QString::number(share)));
    QVERIFY2(shades.size() > 300, qPrintable(QString::number(shades.size())));
  }

  // The last -o counts; an extension in any letter case names the format.
  void outputNames() {
    const QString strain = Example("strain-car1.CRV");
    QCOMPARE(Crv({"chart", strain, "-o", "first.png", "-o", "second.png"}).status, 0);
    QVERIFY(!QFile::exists("first.png") && QImage("second.png").width() == 625);
    QCOMPARE(Crv({"report", strain, "-o", "SHEET.PDF"}).status, 0);
    QFile sheet("SHEET.PDF");
    QVERIFY(sheet.open(QIODevice::ReadOnly) && sheet.read(5) == "%PDF-");
  }

  // Failures leave no file behind, and print nothing as a result.
  void readFailures() {
    const Run list = Crv({"list", Example("ends-early.CRV")});
    QCOMPARE(list.status, 1);
    QCOMPARE(list.out, QStringList());
    QVERIFY(list.err.contains("Could not fully process"));
    const Run bad = Crv({"chart", Example("bad-row.CRV"), "-o", "bad.png"});
    QCOMPARE(bad.status, 1);
    QVERIFY(bad.err.contains("Problem at line 43"));
    QVERIFY(!QFile::exists("bad.png"));
    const Run unwritable = Crv({"chart", Example("strain-car1.CRV"), "-o", "no/such/dir/c.png"});
    QCOMPARE(unwritable.status, 1);
    QVERIFY(unwritable.err.contains("no/such/dir/c.png"));
    QVERIFY(QDir("no").isEmpty() || !QDir("no").exists());
  }

  // What stands at the output name ("link:" one to it), and why the chart
  // may not replace it, or no reason when it does: a refused or failed write
  // touches nothing and leaves nothing behind.
  void chartOutputs_data() {
    QTest::addColumn<QStringList>("setup");  // what stands there, the name, more arguments
    QTest::addColumn<QString>("reason");
    const QString special = "it is a device, FIFO or socket, not a regular file";
    const QString link = "it is a symbolic link; give the name of the file itself";
    const QString readOnly = "the file is read-only";
    for (const char* out : {"full.svg", "full.png", "full.pdf"}) {
      QTest::addRow("file size limit: %s", out)
          << QStringList{"old", out, "@fsize=4096"} << QString::fromLocal8Bit(std::strerror(EFBIG));
    }
    QTest::newRow("no memory to draw")
        << QStringList{"", "big.png", "@memory=314572800", "--size=10000x10000"}
        << "not enough memory for an image of this size";
    QTest::newRow("fifo") << QStringList{"fifo", "f.png"} << special;
    QTest::newRow("device") << QStringList{"device", "d.svg"} << special;
    QTest::newRow("link to a device") << QStringList{"link:device", "ld.png"} << link;
    QTest::newRow("link to a file") << QStringList{"link:old", "lo.png"} << link;
    QTest::newRow("directory") << QStringList{"dir", "dir.pdf"}
                               << QString::fromLocal8Bit(std::strerror(EISDIR));
    QTest::newRow("read-only") << QStringList{"read-only", "ro.png"} << readOnly;
    QTest::newRow("read-only, ordinary user")
        << QStringList{"read-only", "ro.png", "@nobody"} << readOnly;
    QTest::newRow("replaced, permissions kept") << QStringList{"old", "kept.svg"} << "";
    // A calibration sheet is written the same way.
    QTest::newRow("sheet, file size limit")
        << QStringList{"old", "sheet.pdf", "@report", "@fsize=4096"}
        << QString::fromLocal8Bit(std::strerror(EFBIG));
    QTest::newRow("sheet, link to a device")
        << QStringList{"link:device", "ls.pdf", "@report"} << link;
  }
  void chartOutputs() {
    QFETCH(QStringList, setup);
    QFETCH(QString, reason);
    if (setup.contains("@memory=314572800") && qEnvironmentVariableIsSet("ASAN_OPTIONS"))
      QSKIP("the sanitizer needs more address space");
    // A folder anyone may write to, so that only the program's own checks refuse.
    QTemporaryDir folder(dir_.filePath("out-XXXXXX"));
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
    const QString out = folder.filePath(setup[1]), kind = setup[0].section(':', -1);
    const QByteArray path = QFile::encodeName(out);
    const QByteArray target = setup[0] != kind ? QFile::encodeName(folder.filePath("t")) : path;
    if (kind == "device" && ::mknod(target, S_IFCHR | 0666, makedev(1, 3)) != 0)
      QSKIP("a device node is made only by root");
    if (kind == "old" || kind == "read-only") {
      WriteRaw(target, "old");
      ::chmod(target, kind == "read-only" ? 0444 : 0640);
    }
    if (kind == "fifo") QCOMPARE(::mkfifo(target, 0666), 0);
    if (kind == "dir") QCOMPARE(::mkdir(target, 0777), 0);
    if (target != path) QCOMPARE(::symlink("t", path), 0);
    const auto entries = [&] {
      return QDir(folder.path())
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    const QStringList was = entries();
    struct stat before[2] = {}, after[2] = {};
    ::lstat(path, &before[0]), ::lstat(target, &before[1]);

    QStringList more = setup.mid(2);
    const QString command = more.removeAll("@report") > 0 ? "report" : "chart";
    const QString input = ReadableCopy(dir_, Example("strain-car1.CRV"), more);
    const Run run = Crv(QStringList{command, input, "-o", out} + more);
    QCOMPARE(run.err,
             reason.isEmpty() ? "" : "mirelda-crv: cannot write " + out + ": " + reason + "\n");
    QCOMPARE(run.status, reason.isEmpty() ? 0 : 1);
    // Nothing left behind; a refused or failed file is the very same, untouched.
    QCOMPARE(entries(), was.isEmpty() && reason.isEmpty() ? QStringList{setup[1]} : was);
    ::lstat(path, &after[0]), ::lstat(target, &after[1]);
    for (int i = 0; i < 2; ++i) {
      QCOMPARE(after[i].st_mode, before[i].st_mode);
      QCOMPARE(after[i].st_size == before[i].st_size && after[i].st_ino == before[i].st_ino,
               !reason.isEmpty());
    }
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliChartFiles)
#include "tst_cli_chart_files.moc"
