// libFuzzer target: each input is written to a file on a RAM disk and read
// with ReadCurveFile. After every read the outcome shown must match the state
// the reader left behind; any mismatch traps, so libFuzzer keeps the input.
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "core/CrvRead.h"
#include "tests/calibration/FakeCurveWindow.h"

using namespace CURVEroutines;

namespace {

FakeCurveWindow* window = nullptr;
QString path;
// The same file read by the core alone, for why the read stopped.
core::CrvRead lastRead;

// Prints what failed and stops, so the crash report names the invariant.
void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant violated: %s\n", what);
  for (const QString& event : window->events) {
    std::fprintf(stderr, "  %s\n", qPrintable(event));
  }
  __builtin_trap();
}

bool AllPresent(bool value) {
  for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
    if (CurvePresent(code) != value) return false;
  }
  return DeltaPresent(kDeltaUp) == value && DeltaPresent(kDeltaDown) == value;
}

void CheckOutcome() {
  const QStringList& events = window->events;
  const QStringList log = window->Log();
  QStringList warnings;
  for (const QString& event : events) {
    if (event.startsWith(QStringLiteral("warn: "))) warnings.append(event.mid(6));
  }
  Check(warnings.size() <= 1, "at most one warning box");
  Check(log.size() >= 2 && log[0].isEmpty() && log[1].startsWith(QStringLiteral("Reading data")),
        "a regular file is opened and announced");

  const bool success = log.contains(QStringLiteral("Success!"));
  const bool shown = events.contains(QStringLiteral("chart: show"));
  const bool printable = window->mnuFilePrintChart().Enabled();
  Check(success == warnings.isEmpty(), "success <=> no warning box");
  Check(success == AllPresent(true), "success <=> all presence flags");
  Check(success || AllPresent(false), "presence flags all false after a failure");
  Check(success == shown && success == printable, "success <=> chart shown and Print Chart on");
  Check(success == lastRead.Whole(), "the core's outcome is the viewer's");

  if (!success) {
    Check(window->VisibleLists().isEmpty(), "no list visible after a failure");
    // Lists 241..247 keep the lines of an earlier success, or none.
    for (int16_t code = kDynamic; code <= kDeltaDown; ++code) {
      const int count = window->ListData(code).ListCount();
      Check(count == 0 || count == kLastHeight + (code <= kEmptyDown ? 2 : 1), "kept list length");
    }
    const QString warning = warnings.value(0);
    const QString problem = QStringLiteral("Problem with ") + path + QStringLiteral(" at line ");
    if (warning.startsWith(problem)) {
      const QString number = warning.mid(problem.size());
      Check(log.last() == QStringLiteral("Problem at line ") + number + QStringLiteral("!"),
            "problem box and status line name the same line");
      Check(number.toInt() >= 1 && number.toInt() <= 32768, "problem line in range");
      // Why it stopped: a rule of a line, at that line.
      Check(lastRead.problem.rule > CrvRule::ReadError && lastRead.problem.line == number.toInt(),
            "a line's rule names the problem line");
    } else {
      Check(warning == QStringLiteral("Could not fully process ") + path, "known warning text");
      Check(log.size() == 2, "no status line after an unfinished read");
      Check(
          lastRead.problem.rule >= CrvRule::NoHeader && lastRead.problem.rule <= CrvRule::ReadError,
          "an unfinished read says why");
    }
  } else {
    Check(!log.last().startsWith(QStringLiteral("Problem")), "no problem line on success");
    Check(lastRead.problem.rule == CrvRule::None, "no reason after a success");
    for (int16_t code = kDynamic; code <= kEmptyDown; ++code) {
      Check(window->ListData(code).ListCount() == kLastHeight + 2, "curve list length");
    }
    for (int16_t code = kDeltaUp; code <= kDeltaDown; ++code) {
      Check(window->ListData(code).ListCount() == kLastHeight + 1, "delta list length");
    }
    // The reader hides every list and selects Targets; the main window's click
    // handling then shows that list.
    Check(window->VisibleLists().isEmpty() && window->ListSelect(kTargets).Value(),
          "Targets selected");
  }

  for (int16_t set = 0; set < kSampleSets; ++set) {
    int slot = 0;
    while (slot < kSampleSlots && SampleHeight(set, slot) != kEmptySlot) {
      Check(SampleHeight(set, slot) < kEmptySlot, "sample heights stay below the empty marker");
      if (success && slot > 0) {
        Check(SampleHeight(set, slot - 1) <= SampleHeight(set, slot), "samples sorted");
      }
      ++slot;
    }
    Check(slot < kSampleSlots, "every sample set ends with an empty slot");
    if (success) Check(slot <= kSampleSlots - 2, "at most 49 samples after success");
  }
  Check(ElevUpHeight >= -1 && ElevUpHeight <= 100, "elevation up height in range");
  Check(ElevDownHeight >= -1 && ElevDownHeight <= 100, "elevation down height in range");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  (void)argc;
  (void)argv;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int qtArgc = 1;
  static char name[] = "fuzz_read_crv";
  static char* qtArgv[] = {name, nullptr};
  new QApplication(qtArgc, qtArgv);
  window = new FakeCurveWindow;
  // One file per process: parallel fuzzing jobs must not share it.
  const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  path = QStringLiteral("%1/mirelda-fuzz-%2.CRV").arg(QLatin1String(dir)).arg(getpid());
  std::atexit([] { QFile::remove(path); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
      static_cast<qint64>(size)) {
    std::abort();
  }
  file.close();

  window->events.clear();
  ReadCurveFile(path);
  lastRead = core::ReadCrv(path, false);
  CheckOutcome();
  return 0;
}
