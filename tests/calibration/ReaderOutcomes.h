#pragma once
// The reader on a file written for the test, through a window that records
// what it is told: the events expected, the files' kinds, and a read as an
// ordinary user.
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "calibration/CURVEroutines.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/calibration/FakeCurveWindow.h"

// The tests name the routines as the program does.
using namespace CURVEroutines;

// Expected events after "chart: unload"; {path} and {name} stand for the file's.
const QStringList kAllInvalid = {
    "log: Loaded Up Samples INVALID!", "log: Empty Up Samples INVALID!",
    "log: Loaded Down Samples INVALID!", "log: Empty Down Samples INVALID!"};
inline QStringList Reading(const QStringList& rest) {
  return QStringList{"log: ", "log: Reading data from {name}"} + rest;
}
inline QStringList Success(const QStringList& invalid = kAllInvalid) {
  return Reading(QStringList{"log: Success!"} + invalid + QStringList{"click: 240", "chart: show"});
}
inline QStringList Problem(int line) {
  return Reading({QStringLiteral("warn: Problem with {path} at line %1").arg(line),
                  QStringLiteral("log: Problem at line %1!").arg(line)});
}
const QStringList kUnfinished = Reading({"warn: Could not fully process {path}"});
const QStringList kCannotOpen = {"warn: Could not open {path}", "log: Could not open file!"};

inline QByteArray Utf16WithBom(const QByteArray& bytes) {
  const QString text = QString::fromLatin1(bytes);
  return QByteArray("\xFF\xFE") +
         QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

constexpr int kFirstRowLine = 4;   // preamble 2 lines, header on line 3
constexpr int kTrailerLine = 105;  // first line after the row of 100 %

inline long PeakRssKb() {
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
inline void ReadAndRecover(const QTemporaryDir& dir, const QString& path, const QStringList& after,
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

inline void AddBytesColumns() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QStringList>("after");
  QTest::addColumn<QStringList>("targets");
}

// A row of the bytes columns read and recovered from.
inline void ReadRow() {
  QFETCH(QByteArray, bytes);
  QFETCH(QStringList, after);
  QFETCH(QStringList, targets);
  QTemporaryDir dir;
  ReadAndRecover(dir, WriteCrv(dir, bytes), after, targets);
}
