#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/calibration/CrvBuilder.h"
#include "tests/cli/CliRun.h"

void WriteCliFiles(const QTemporaryDir& dir) {
  QVERIFY(dir.isValid());
  CrvBuilder good;
  good.trailer = {"Loaded Up Samples",   "10%,30100", "Empty Up Samples",   "10%,10100",
                  "Loaded Down Samples", "20%,1020",  "Empty Down Samples", "20%,9212"};
  WriteCrv(dir, good.Bytes(), QStringLiteral("fleet/a-good.CRV"));
  CrvBuilder noTargets;
  WriteCrv(dir, noTargets.Bytes(), QStringLiteral("fleet/b-untargeted.crv"));
  CrvBuilder badRow = good;
  badRow.rows = 50;
  badRow.trailer = {"50%,1,2,3,4,x"};
  WriteCrv(dir, badRow.Bytes(), QStringLiteral("fleet/deeper/c-bad.Crv"));
  CrvBuilder early;
  early.rows = 30;
  early.trailer.clear();
  WriteCrv(dir, early.Bytes(), QStringLiteral("fleet/deeper/d-early.CRV"));
  WriteCrv(dir, "notes", QStringLiteral("fleet/notes.txt"));
  // A link back up would walk for ever if followed.
  QVERIFY(QFile::link(dir.filePath("fleet"), dir.filePath("fleet/deeper/up")));
  // Hidden entries, and names that break lines, colour the terminal or are not UTF-8.
  WriteCrv(dir, good.Bytes(), QStringLiteral("odd/.hidden/in-hidden.CRV"));
  WriteCrv(dir, good.Bytes(), QStringLiteral("odd/.dot.CRV"));
  // Loaded Up 0.10 V higher at 37 %; a pressure run reaching 3.05 V at 50 %.
  Changed(dir, "strain-car1.CRV", "37%,19931,25786,", "37%,19931,27097,", "changed.CRV");
  Changed(dir, "pressure-car2.CRV", "50%,20500,20750,", "50%,20500,40000,", "high.CRV");
  // Dynamic 8192 counts (0.625 V, a tie) higher at every height.
  QByteArray shifted = CrvBuilder().Bytes();
  for (int r = 0; r <= 100; ++r) {
    const QByteArray prefix = QByteArray::number(r) + "%,";
    shifted.replace(prefix + QByteArray::number(1000 + r) + ",",
                    prefix + QByteArray::number(9192 + r) + ",");
  }
  // Dynamic 8225 counts lower at every height: a mean of -0.6275 V.
  QByteArray lowered = CrvBuilder().Bytes();
  for (int r = 0; r <= 100; ++r) {
    const QByteArray prefix = QByteArray::number(r) + "%,";
    lowered.replace(prefix + QByteArray::number(1000 + r) + ",",
                    prefix + QByteArray::number(1000 + r - 8225) + ",");
  }
  WriteCrv(dir, lowered, "lowered.CRV");
  WriteCrv(dir, CrvBuilder().Bytes(), "base.CRV");
  WriteCrv(dir, shifted, "shifted.CRV");
  QDir::setCurrent(dir.path());
  WriteRaw("odd/bad\xe9.CRV", good.Bytes());
  WriteRaw("odd/esc\x1b[31m.CRV", good.Bytes());
  WriteRaw("odd/new\nline.CRV", badRow.Bytes());
  WriteRaw("odd/tab\t\\.CRV", good.Bytes());
  // Names beyond the BMP print as their characters; DEL and a bidi control are escaped.
  QDir().mkpath("names");
  WriteRaw("names/car \xf0\x9f\x9b\x97.CRV", good.Bytes());
  WriteRaw("names/\xf0\xa0\x80\x80.CRV", good.Bytes());
  WriteRaw("names/del\x7f.CRV", good.Bytes());
  WriteRaw("names/rlo\xe2\x80\xae.CRV", good.Bytes());
  // A refused field with a terminal code, long enough to be cut.
  CrvBuilder codes = badRow;
  codes.trailer = {"50%,1,2,3,4,\x1b[2J" + QByteArray(100, 'x')};
  WriteCrv(dir, codes.Bytes(), QStringLiteral("fields/codes.CRV"));
  CrvBuilder seven = badRow;
  seven.trailer = {"50%,1,2,3,4,5,6,7"};
  WriteCrv(dir, seven.Bytes(), QStringLiteral("fields/seven.CRV"));
  // Why a file has no header, and a blank told from a plus sign.
  const QByteArray header = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
  const QByteArray plain = CrvBuilder().Bytes();
  WriteCrv(dir, QByteArray(plain).replace("\r\n", "\n"), "reasons/a-lf.CRV");
  QByteArray utf16 = "\xFF\xFE";
  for (const char c : plain) utf16 += QByteArray(1, c) + '\0';
  WriteCrv(dir, utf16, "reasons/b-utf16.CRV");
  WriteCrv(dir, QByteArray(plain).replace(header, QByteArray(header).replace(",", ", ")),
           "reasons/c-blanks.CRV");
  WriteCrv(dir, QByteArray(plain).replace(header, header + ","), "reasons/d-comma.CRV");
  WriteCrv(dir, QByteArray(plain).replace("\r\n5%,1005,", "\r\n5%,+1005,"), "reasons/e-plus.CRV");
  WriteCrv(dir, QByteArray(plain).replace("\r\n5%,1005,", "\r\n5%,1005 ,"), "reasons/f-blank.CRV");
  WriteCrv(dir, badRow.Bytes(), QStringLiteral(u"rtl/bidi\u202ebad.CRV"));
  // A folder an ordinary user may not read, for the test run as one.
  WriteCrv(dir, good.Bytes(), QStringLiteral("closed/open.CRV"));
  WriteCrv(dir, good.Bytes(), QStringLiteral("closed/shut/x.CRV"));
  QVERIFY(::chmod("closed/shut", 0) == 0 && ::chmod(".", 0755) == 0);
}

void RemoveCliFiles() {
  // Qt removes only the names it can decode.
  ::unlink("odd/bad\xe9.CRV");
  ::chmod("closed/shut", 0700);
}
