#pragma once
// The calibration sheet as the tests make it: mirelda-crv report run as a
// process into sheet.pdf, its pages read back with poppler's tools, and the
// files they make it from.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/calibration/CrvBuilder.h"

inline const QString kStrainInstallation = QStringLiteral("Harbour Street 12, car 1");
inline const QString kStrainRun = QStringLiteral("run 2026-11-14 09:42");
inline const QString kIssued = QStringLiteral("2026-12-01");

inline QString Example(const char* name) {
  return QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + QLatin1String(name);
}

inline QByteArray Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  return file.readAll();
}

inline QString Identifier(const QString& path) {
  return QString::fromLatin1(
      QCryptographicHash::hash(Bytes(path), QCryptographicHash::Sha256).toHex().left(12));
}

// The sheet of args written to sheet.pdf; the exit status.
inline int Report(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(MIRELDA_CRV),
          QStringList{"report", "-o", "sheet.pdf", "--issued", kIssued} + args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return -1;
  return p.exitCode();
}

inline QString Poppler(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished() || p.exitCode() != 0) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page, laid out as on paper.
inline QStringList Pages() {
  QStringList pages = Poppler("pdftotext", {"-layout", "sheet.pdf", "-"}).split('\f');
  pages.removeLast();  // after the last page's form feed
  return pages;
}

// The lines of a page that hold more than spaces.
inline QStringList FilledLines(const QString& page) {
  QStringList lines;
  for (const QString& line : page.split('\n')) {
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  }
  return lines;
}

// The files every test reads, in a folder of their own that is the current
// one; without pdftotext every test is skipped.
class SheetFixture {
 protected:
  void Setup() {
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

  QTemporaryDir dir_;
};
