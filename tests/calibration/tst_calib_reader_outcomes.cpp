// What the reader reports for each kind of CRV file, hostile ones included:
// status lines, warning boxes and chart calls in their order, the Targets list
// and controls it leaves, and that a good file read next still succeeds.
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocale>
#include <QtTest>
#include <optional>

#include "calibration/CURVEroutines.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/calibration/FakeCurveWindow.h"
#include "tests/core/ReadsFailAt.h"

using namespace CURVEroutines;

namespace {

// Expected events after "chart: unload"; {path} and {name} stand for the file's.
const QStringList kAllInvalid = {
    "log: Loaded Up Samples INVALID!", "log: Empty Up Samples INVALID!",
    "log: Loaded Down Samples INVALID!", "log: Empty Down Samples INVALID!"};
QStringList Reading(const QStringList& rest) {
  return QStringList{"log: ", "log: Reading data from {name}"} + rest;
}
QStringList Success(const QStringList& invalid = kAllInvalid) {
  return Reading(QStringList{"log: Success!"} + invalid + QStringList{"click: 240", "chart: show"});
}
QStringList Problem(int line) {
  return Reading({QStringLiteral("warn: Problem with {path} at line %1").arg(line),
                  QStringLiteral("log: Problem at line %1!").arg(line)});
}
const QStringList kUnfinished = Reading({"warn: Could not fully process {path}"});
const QStringList kCannotOpen = {"warn: Could not open {path}", "log: Could not open file!"};

CrvBuilder WithTrailer(const QList<QByteArray>& trailer) {
  CrvBuilder crv;
  crv.trailer = trailer;
  return crv;
}
// Replaces line n (1-based) of a default file.
QByteArray WithLine(int n, const QByteArray& text) {
  QList<QByteArray> lines = CrvBuilder().Lines();
  lines[n - 1] = text;
  return lines.join("\r\n") + "\r\n";
}
QByteArray Utf16WithBom(const QByteArray& bytes) {
  const QString text = QString::fromLatin1(bytes);
  return QByteArray("\xFF\xFE") +
         QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

constexpr int kFirstRowLine = 4;   // preamble 2 lines, header on line 3
constexpr int kTrailerLine = 105;  // first line after the row of 100 %

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Root reads files whatever their mode; while this lives, file access on this
// thread is checked as for an ordinary user when that is wanted.
class AccessAsOrdinaryUser {
 public:
  explicit AccessAsOrdinaryUser(bool wanted) : switched_(wanted && ::geteuid() == 0) {
    if (switched_) ::setfsuid(kNobody);
  }
  ~AccessAsOrdinaryUser() {
    if (switched_) ::setfsuid(0);
  }
  // False where the process may not change its file-system user id.
  bool Effective() const { return !switched_ || ::setfsuid(static_cast<uid_t>(-1)) == kNobody; }
  AccessAsOrdinaryUser(const AccessAsOrdinaryUser&) = delete;
  AccessAsOrdinaryUser& operator=(const AccessAsOrdinaryUser&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  const bool switched_;
};

// Reads path after a good file and checks the events, the Targets list and
// the controls; then checks that a good file still reads.
void ReadAndRecover(const QTemporaryDir& dir, const QString& path, const QStringList& after,
                    const QStringList& targets = {}, bool asOrdinaryUser = false) {
  FakeCurveWindow window;
  const QString good = WriteCrv(dir, CrvBuilder().Bytes(), QStringLiteral("next good.CRV"));
  ReadCurveFile(good);
  window.events.clear();
  {
    const AccessAsOrdinaryUser user(asOrdinaryUser);
    ReadCurveFile(path);
  }
  QStringList expected{"chart: unload"};
  for (const QString& event : after) {
    expected.append(QString(event)
                        .replace(QStringLiteral("{path}"), path)
                        .replace(QStringLiteral("{name}"), QFileInfo(path).fileName()));
  }
  QCOMPARE(window.events, expected);
  QCOMPARE(window.Lines(kTargets), targets);
  const bool success = after.contains(QStringLiteral("log: Success!"));
  QCOMPARE(window.mnuFilePrintChart().Enabled(), success);
  // The reader hides every list; the Targets click shows it in the main window.
  QCOMPARE(window.VisibleLists(), QList<int>{});

  window.events.clear();
  ReadCurveFile(good);
  QCOMPARE(window.events.last(), QStringLiteral("chart: show"));
  QVERIFY(window.mnuFilePrintChart().Enabled());
}

void AddBytesColumns() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QStringList>("after");
  QTest::addColumn<QStringList>("targets");
}

}  // namespace

class TestReaderOutcomes : public QObject {
  Q_OBJECT

  void ReadRow() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, after);
    QFETCH(QStringList, targets);
    QTemporaryDir dir;
    ReadAndRecover(dir, WriteCrv(dir, bytes), after, targets);
  }

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // A gigabyte line without an ending, sparse on disk: read through in
  // bounded memory. Its comma lies past the gigabyte, so it is seen only if the
  // whole line is scanned, and makes the line a bad elevation-switch line.
  // Holding the line whole would take more than a gigabyte; the bound leaves
  // room for what a sanitizer build keeps of freed memory.
  void gigabyteLine() {
    QTemporaryDir dir;
    const QString path = WriteCrv(dir, CrvBuilder().Bytes() + "ELEVUP");
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::pwrite(fd, ",45%", 4, off_t{1} << 30), 4);
    ::close(fd);
    ReadAndRecover(dir, path, Problem(kTrailerLine));
    QVERIFY2(PeakRssKb() < 512 * 1024, qPrintable(QString::number(PeakRssKb()) + " kB"));
  }

  void formats_data() {
    AddBytesColumns();
    using S = QStringList;
    const QByteArray big(300 * 1024, 'q');

    QTest::newRow("no trailer") << CrvBuilder().Bytes() << Success() << S{};
    {
      CrvBuilder crv;
      crv.header = "height,DYNAMIC,Loaded up,empty UP,loaded down,Empty Down";
      QTest::newRow("header in mixed case") << crv.Bytes() << Success() << S{};
      crv.header = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down,";
      QTest::newRow("header with a comma added") << crv.Bytes() << kUnfinished << S{};
      crv.header = "Height, Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
      QTest::newRow("header with a space") << crv.Bytes() << kUnfinished << S{};
      crv.header = "He\xC4\xB1ght,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
      QTest::newRow("non-ASCII letter in header") << crv.Bytes() << kUnfinished << S{};
    }
    {
      CrvBuilder crv;
      crv.ending = "\r";
      QTest::newRow("CR endings") << crv.Bytes() << Success() << S{};
      crv.ending = "\n";
      QTest::newRow("LF endings are one line") << crv.Bytes() << kUnfinished << S{};
      crv.ending = "\r\n";
      crv.rows = 100;
      QTest::newRow("ends after row 99") << crv.Bytes() << kUnfinished << S{};
    }
    QTest::newRow("no final line ending") << CrvBuilder().Bytes().chopped(2) << Success() << S{};
    QTest::newRow("blank line among rows") << WithLine(50, "") << Problem(50) << S{};
    QTest::newRow("row out of order") << WithLine(6, CrvBuilder::Row(3)) << Problem(6) << S{};
    QTest::newRow("long preamble line") << WithLine(1, big + "%,") << Success() << S{};
    QTest::newRow("long data row") << WithLine(10, "6%,1,2,3,4," + big) << Problem(10) << S{};

    QTest::newRow("elevation lines")
        << WithTrailer({"ELEVUP,45%", "ElevDown,47%", "101%,1,2,3,4,5"}).Bytes() << Success()
        << S{"Elevation Switch", "Up @45%", "Down @47%"};
    QTest::newRow("two up lines") << WithTrailer({"elevup,0%", "ELEVUP,100%"}).Bytes() << Success()
                                  << S{"Elevation Switch", "Up @0%", "Up @100%"};
    QTest::newRow("third elevation line")
        << WithTrailer({"ELEVUP,45%", "ELEVDOWN,47%", "ELEVUP,46%"}).Bytes()
        << Problem(kTrailerLine + 2) << S{"Elevation Switch", "Up @45%", "Down @47%"};
    QTest::newRow("ELEVDOWN without its comma")
        << WithTrailer({"ELEVDOWNX,45%"}).Bytes() << Problem(kTrailerLine) << S{};
    QTest::newRow("remark starting ELEV with a comma")
        << WithTrailer({"Elevation noted, see log"}).Bytes() << Problem(kTrailerLine) << S{};
    QTest::newRow("ELEVATION without comma skipped")
        << WithTrailer({"Elevation Switch", "ELEVATION"}).Bytes() << Success() << S{};
    QTest::newRow("long ELEV line with comma far out")
        << WithTrailer({"ELEV" + big + ",45%"}).Bytes() << Problem(kTrailerLine) << S{};
    QTest::newRow("long ELEV line without comma")
        << WithTrailer({"ELEV" + big}).Bytes() << Success() << S{};

    QTest::newRow("samples") << WithTrailer({"ELEVUP,45%", "10%,99", "Loaded Up Samples",
                                             "50%,13107", "# note", "", "10%,8192",
                                             "EMPTY UP SAMPLES", "-3%,-8192", "ELEVDOWN,47%"})
                                    .Bytes()
                             << Success({kAllInvalid[2], kAllInvalid[3]})
                             << S{"Elevation Switch", "Up @45%",   "", "Loaded Up",
                                  "50%=1.00V",        "10%=0.62V", "", "Empty Up",
                                  "  -3%=-0.62V"};
    QTest::newRow("first block without elevation lines")
        << WithTrailer({"Empty Down Samples", "5%,0"}).Bytes() << Success(kAllInvalid.first(3))
        << S{"Empty Down", "  5%=0.00V"};
    QTest::newRow("heading given twice")
        << WithTrailer({"Loaded Up Samples", "5%,0", "Loaded Up Samples", "6%,0"}).Bytes()
        << Success(kAllInvalid.mid(1))
        << S{"Loaded Up", "  5%=0.00V", "", "Loaded Up", "  6%=0.00V"};
    QTest::newRow("sample with trailing comma")
        << WithTrailer({"Loaded Up Samples", "5%,0,"}).Bytes() << Problem(kTrailerLine + 1) << S{};
    QTest::newRow("sample height 254 and 255")
        << WithTrailer({"Loaded Up Samples", "254%,0", "255%,0"}).Bytes()
        << Problem(kTrailerLine + 2) << S{"Loaded Up", "254%=0.00V"};
    QTest::newRow("long line with mark in a section")
        << WithTrailer({"Loaded Up Samples", big + "%,1"}).Bytes() << Problem(kTrailerLine + 1)
        << S{};
    QTest::newRow("long comment in a section")
        << WithTrailer({"Loaded Up Samples", big + "%"}).Bytes() << Success(kAllInvalid) << S{};
  }
  void formats() { ReadRow(); }

  // A read that fails after the last data row is no success.
  void readErrorAfterTheRows() {
    QTemporaryDir dir;
    const QByteArray bytes = WithTrailer({"ELEVUP,45%"}).Bytes();
    const QString path = WriteCrv(dir, bytes);
    FakeCurveWindow window;
    {
      const ReadsFailAt failing(bytes.indexOf("ELEVUP"));
      ReadCurveFile(path);
    }
    QCOMPARE(window.events.mid(1), QStringList({"log: ", "log: Reading data from t.CRV",
                                                "warn: Could not fully process " + path}));
  }

  // Each kind of hostile content once.
  void hostileBytes_data() {
    AddBytesColumns();
    using S = QStringList;
    CrvBuilder bare;
    bare.preamble = {};
    CrvBuilder filled;  // 104 lines before the filler
    for (int i = 104; i < 32767; ++i) filled.trailer.append("x");

    QTest::newRow("empty file") << QByteArray() << kUnfinished << S{};
    QTest::newRow("only CR bytes") << QByteArray(300, '\r') << kUnfinished << S{};
    QTest::newRow("40000 CR bytes") << QByteArray(40000, '\r') << Problem(32768) << S{};
    QTest::newRow("32767 lines") << filled.Bytes() << Success() << S{};
    filled.trailer.append("x");
    QTest::newRow("32768 lines") << filled.Bytes() << Problem(32768) << S{};
    QTest::newRow("only NUL bytes") << QByteArray(70000, '\0') << kUnfinished << S{};
    QTest::newRow("NUL in a data row")
        << WithLine(kFirstRowLine + 5, QByteArray("5%,1,2\0,3,4,5", 13))
        << Problem(kFirstRowLine + 5) << S{};
    QTest::newRow("NUL after the header")
        << bare.Bytes().replace("Down\r\n", QByteArray("Down\0\r\n", 7)) << kUnfinished << S{};
    QTest::newRow("UTF-16 with BOM") << Utf16WithBom(CrvBuilder().Bytes()) << kUnfinished << S{};
    QTest::newRow("UTF-8 BOM only") << QByteArray("\xEF\xBB\xBF") << kUnfinished << S{};
    QTest::newRow("UTF-8 BOM before header") << "\xEF\xBB\xBF" + bare.Bytes() << Success() << S{};
    QTest::newRow("UTF-8 BOM, header on line 1, bad row 0")
        << "\xEF\xBB\xBF" + bare.Bytes().replace("0%,1000,", "0%,01000,") << Problem(2) << S{};
    QTest::newRow("UTF-8 BOM after the preamble")
        << CrvBuilder().Bytes().replace("Height,", "\xEF\xBB\xBFHeight,") << kUnfinished << S{};

    QTest::newRow("row values at 32-bit limits")
        << WithLine(kFirstRowLine + 3, "3%,2147483647,-2147483648,0,-1,1") << Success() << S{};
    QTest::newRow("row value beyond 32 bits")
        << WithLine(kFirstRowLine + 3, "3%,1,2,-2147483649,4,5") << Problem(kFirstRowLine + 3)
        << S{};
    QTest::newRow("sample at 16- and 32-bit limits")
        << WithTrailer({"Empty Down Samples", "-32768%,-2147483648", "254%,2147483647"}).Bytes()
        << Success(kAllInvalid.first(3))
        << S{"Empty Down", "  -32768%=-163840.00V", "254%=163840.00V"};
    QTest::newRow("sample height beyond 16 bits")
        << WithTrailer({"Empty Down Samples", "-32769%,0"}).Bytes() << Problem(kTrailerLine + 1)
        << S{};
    QTest::newRow("sample height 65535") << WithTrailer({"Empty Down Samples", "65535%,0"}).Bytes()
                                         << Problem(kTrailerLine + 1) << S{};
  }
  void hostileBytes() { ReadRow(); }

  void hostilePaths_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after");
    const QString odd = QString::fromUtf8("Kabine 2 – Prüfung/Lauf Ø 1 .CRV");
    QTest::newRow("non-ASCII and blanks") << "good" << odd << Success();
    QTest::newRow("non-ASCII and blanks, bad row") << "bad" << odd << Problem(kFirstRowLine);
    QTest::newRow("directory named .CRV") << "directory"
                                          << "d.CRV" << kCannotOpen;
    QTest::newRow("link to a device") << "device"
                                      << "x.CRV" << kCannotOpen;
    QTest::newRow("FIFO without a writer") << "fifo"
                                           << "p.CRV" << kCannotOpen;
    QTest::newRow("FIFO with a writer") << "fifo+writer"
                                        << "y.CRV" << kCannotOpen;
    QTest::newRow("removed after choosing") << "removed"
                                            << "gone.CRV" << kCannotOpen;
    QTest::newRow("dangling link") << "dangling"
                                   << "link.CRV" << kCannotOpen;
    QTest::newRow("unreadable") << "unreadable"
                                << "locked.CRV" << kCannotOpen;
  }
  void hostilePaths() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QByteArray file = QFile::encodeName(path);
    int writer = -1;
    if (kind == "good") WriteCrv(dir, CrvBuilder().Bytes(), name);
    if (kind == "bad") WriteCrv(dir, WithLine(kFirstRowLine, "0%,x"), name);
    if (kind == "directory") QVERIFY(QDir(dir.path()).mkdir(name));
    if (kind == "device") QCOMPARE(::symlink("/dev/zero", file.constData()), 0);
    if (kind == "dangling") QCOMPARE(::symlink("nowhere.CRV", file.constData()), 0);
    if (kind == "removed") QVERIFY(QFile::remove(WriteCrv(dir, CrvBuilder().Bytes(), name)));
    if (kind == "unreadable") {
      if (!AccessAsOrdinaryUser(true).Effective()) QSKIP("cannot read as an ordinary user here");
      // The folder may be searched; only the file itself is locked.
      QCOMPARE(::chmod(QFile::encodeName(dir.path()), 0711), 0);
      QCOMPARE(::chmod(QFile::encodeName(WriteCrv(dir, CrvBuilder().Bytes(), name)), 0), 0);
    }
    if (kind.startsWith("fifo")) QCOMPARE(::mkfifo(file.constData(), 0600), 0);
    if (kind == "fifo+writer") {
      // With a writer attached, opening the FIFO itself succeeds at once.
      const int reader = ::open(file.constData(), O_RDONLY | O_NONBLOCK);
      writer = ::open(file.constData(), O_WRONLY | O_NONBLOCK);
      QVERIFY(writer >= 0);
      ::close(reader);
    }
    ReadAndRecover(dir, path, after, {}, kind == "unreadable");
    if (writer >= 0) ::close(writer);
  }

  // The example files shipped with the program read as their names promise.
  void examples_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lastLine");
    const QString show = QStringLiteral("chart: show");
    QTest::newRow("strain") << QStringLiteral("strain-car1.CRV") << show;
    QTest::newRow("strain, a year earlier") << QStringLiteral("strain-car1-2025.CRV") << show;
    QTest::newRow("pressure") << QStringLiteral("pressure-car2.CRV") << show;
    QTest::newRow("pressure, Windows-1252 text") << QStringLiteral("pressure-car3.CRV") << show;
    QTest::newRow("bad row") << QStringLiteral("bad-row.CRV")
                             << QStringLiteral("log: Problem at line 43!");
    QTest::newRow("ends early") << QStringLiteral("ends-early.CRV")
                                << QStringLiteral(
                                       "warn: Could not fully process " MIRELDA_EXAMPLES_DIR
                                       "/ends-early.CRV");
  }
  void examples() {
    QFETCH(QString, name);
    QFETCH(QString, lastLine);
    FakeCurveWindow window;
    ReadCurveFile(QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + name);
    QCOMPARE(window.events.last(), lastLine);
    QCOMPARE(window.events.contains("log: Empty Up Samples INVALID!"), name == "pressure-car2.CRV");
  }
};

QTEST_MAIN(TestReaderOutcomes)
#include "tst_calib_reader_outcomes.moc"
