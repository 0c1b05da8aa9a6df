// Hostile input: odd bytes, odd paths and odd file kinds each get their exact
// messages, and a good file read right after still succeeds.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocale>
#include <QtTest>

#include "CURVEroutines.h"
#include "CrvBuilder.h"
#include "FakeCurveWindow.h"

using namespace CURVEroutines;

namespace {

QStringList Reading() {
  return {"log: ", "log: Reading data from {name}"};
}
QStringList Problem(int line) {
  return Reading() + QStringList{QStringLiteral("warn: Problem with {path} at line %1").arg(line),
                                 QStringLiteral("log: Problem at line %1!").arg(line)};
}
QStringList Unfinished() {
  return Reading() + QStringList{"warn: Could not fully process {path}"};
}
QStringList Succeeded() {
  return Reading() + QStringList{"log: Success!",
                                 "log: Loaded Up Samples INVALID!",
                                 "log: Empty Up Samples INVALID!",
                                 "log: Loaded Down Samples INVALID!",
                                 "log: Empty Down Samples INVALID!",
                                 "click: 240",
                                 "chart: show"};
}
// Success of a file whose only samples are in the Empty Down set.
QStringList SucceededWithLastSet() {
  QStringList events = Succeeded();
  events.removeAll(QStringLiteral("log: Empty Down Samples INVALID!"));
  return events;
}
QStringList CannotOpen() {
  return {"warn: Could not open {path}", "log: Could not open file!"};
}

QByteArray WithRow(int r, const QByteArray& text) {
  CrvBuilder crv;
  QList<QByteArray> lines = crv.Lines();
  lines[crv.preamble.size() + 1 + r] = text;
  return lines.join("\r\n");
}
QByteArray WithTrailer(const QList<QByteArray>& trailer) {
  CrvBuilder crv;
  crv.trailer = trailer;
  return crv.Bytes();
}

QByteArray Utf16WithBom(const QByteArray& bytes) {
  const QString text = QString::fromLatin1(bytes);
  return QByteArray("\xFF\xFE") +
         QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

constexpr int kFirstRowLine = 4;  // preamble 2 lines, header on line 3
constexpr int kTrailerLine = 105;

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Reads path and checks the events, then checks that a good file still reads.
void ReadAndRecover(FakeCurveWindow& window, const QTemporaryDir& dir, const QString& path,
                    const QStringList& after) {
  window.events.clear();
  ReadCurveFile(path);
  QStringList expected{"chart: unload"};
  for (const QString& event : after) {
    expected.append(QString(event)
                        .replace(QStringLiteral("{path}"), path)
                        .replace(QStringLiteral("{name}"), FileNameOf(path)));
  }
  QCOMPARE(window.events, expected);
  const bool success = after.contains(QStringLiteral("log: Success!"));
  QCOMPARE(window.mnuFilePrintChart().Enabled(), success);
  QCOMPARE(window.VisibleLists(), success ? QList<int>{kTargets} : QList<int>{});

  window.events.clear();
  ReadCurveFile(WriteCrv(dir, CrvBuilder().Bytes(), QStringLiteral("next good.CRV")));
  QCOMPARE(window.events.last(), QStringLiteral("chart: show"));
  QVERIFY(window.mnuFilePrintChart().Enabled());
}

}  // namespace

class TestHostileInput : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void bytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("after");
    CrvBuilder bare;
    bare.preamble = {};

    QTest::newRow("only CR bytes") << QByteArray(300, '\r') << Unfinished();
    QTest::newRow("40000 CR bytes") << QByteArray(40000, '\r') << Problem(32768);
    QTest::newRow("only NUL bytes") << QByteArray(70000, '\0') << Unfinished();
    QTest::newRow("NUL in a data row")
        << WithRow(5, QByteArray("5%,1,2\0,3,4,5", 13)) << Problem(kFirstRowLine + 5);
    QTest::newRow("NUL after the header")
        << bare.Bytes().replace("Down\r\n", QByteArray("Down\0\r\n", 7)) << Unfinished();
    QTest::newRow("UTF-16 with BOM") << Utf16WithBom(CrvBuilder().Bytes()) << Unfinished();
    QTest::newRow("UTF-8 BOM after the preamble")
        << CrvBuilder().Bytes().replace("Height,", "\xEF\xBB\xBFHeight,") << Unfinished();

    QTest::newRow("row values at 32-bit limits")
        << WithRow(3, "3%,2147483647,-2147483648,0,-1,1") << Succeeded();
    QTest::newRow("row value beyond 32 bits")
        << WithRow(3, "3%,1,2,-2147483649,4,5") << Problem(kFirstRowLine + 3);
    QTest::newRow("sample at 16- and 32-bit limits")
        << WithTrailer({"Empty Down Samples", "-32768%,-2147483648", "254%,2147483647"})
        << SucceededWithLastSet();
    QTest::newRow("sample height beyond 16 bits")
        << WithTrailer({"Empty Down Samples", "-32769%,0"}) << Problem(kTrailerLine + 1);
    QTest::newRow("sample height 65535")
        << WithTrailer({"Empty Down Samples", "65535%,0"}) << Problem(kTrailerLine + 1);
  }
  void bytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    FakeCurveWindow window;
    ReadAndRecover(window, dir, WriteCrv(dir, bytes), after);
  }

  void paths_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("non-ASCII and blanks")
        << "good" << QString::fromUtf8("Kabine 2 – Prüfung/Lauf Ø 1 .CRV") << Succeeded();
    QTest::newRow("non-ASCII and blanks, bad row")
        << "bad" << QString::fromUtf8("Kabine 2 – Prüfung/Lauf Ø 1 .CRV") << Problem(kFirstRowLine);
    QTest::newRow("directory named .CRV") << "directory"
                                          << "d.CRV" << CannotOpen();
    QTest::newRow("link to a device") << "device"
                                      << "x.CRV" << CannotOpen();
    QTest::newRow("FIFO with a writer") << "fifo"
                                        << "y.CRV" << CannotOpen();
    QTest::newRow("removed after choosing") << "removed"
                                            << "gone.CRV" << CannotOpen();
    QTest::newRow("dangling link") << "dangling"
                                   << "link.CRV" << CannotOpen();
    QTest::newRow("unreadable") << "unreadable"
                                << "locked.CRV" << CannotOpen();
  }
  void paths() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    if (kind == "unreadable" && ::geteuid() == 0) QSKIP("root reads files whatever their mode");
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QDir(dir.path()).mkpath(QFileInfo(path).path()));
    const QByteArray file = QFile::encodeName(path);
    int writer = -1;
    if (kind == "good") WriteCrv(dir, CrvBuilder().Bytes(), name);
    if (kind == "bad") WriteCrv(dir, WithRow(0, "0%,x"), name);
    if (kind == "directory") QVERIFY(QDir(dir.path()).mkdir(name));
    if (kind == "device") QCOMPARE(::symlink("/dev/zero", file.constData()), 0);
    if (kind == "dangling") QCOMPARE(::symlink("nowhere.CRV", file.constData()), 0);
    if (kind == "removed") QVERIFY(QFile::remove(WriteCrv(dir, CrvBuilder().Bytes(), name)));
    if (kind == "unreadable") {
      QCOMPARE(::chmod(QFile::encodeName(WriteCrv(dir, CrvBuilder().Bytes(), name)), 0), 0);
    }
    if (kind == "fifo") {
      // With a writer attached, opening the FIFO itself succeeds at once.
      QCOMPARE(::mkfifo(file.constData(), 0600), 0);
      const int reader = ::open(file.constData(), O_RDONLY | O_NONBLOCK);
      writer = ::open(file.constData(), O_WRONLY | O_NONBLOCK);
      QVERIFY(writer >= 0);
      ::close(reader);
    }
    FakeCurveWindow window;
    ReadAndRecover(window, dir, path, after);
    if (writer >= 0) ::close(writer);
  }

  // A gigabyte line without an ending, sparse on disk: read through in
  // bounded memory. Its comma lies past the gigabyte, so it is seen only if the
  // whole line is scanned, and makes the line a bad elevation-switch line.
  void gigabyteLine() {
    QTemporaryDir dir;
    const QString path = WriteCrv(dir, CrvBuilder().Bytes() + "ELEVUP");
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::pwrite(fd, ",45%", 4, off_t{1} << 30), 4);
    ::close(fd);
    FakeCurveWindow window;
    ReadAndRecover(window, dir, path, Problem(kTrailerLine));
    QVERIFY2(PeakRssKb() < 200 * 1024, qPrintable(QString::number(PeakRssKb()) + " kB"));
  }
};

QTEST_MAIN(TestHostileInput)
#include "tst_calib_hostile.moc"
