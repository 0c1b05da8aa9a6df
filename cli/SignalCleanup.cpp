#include "cli/SignalCleanup.h"

#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <iterator>

namespace cli {

namespace {

constexpr int kEnding[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGPIPE,   SIGALRM, SIGTERM,
                           SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF};
constexpr std::size_t kCount = std::size(kEnding);

// Read by the handler, which may run in any thread: the name is complete
// before armed is set, and armed is cleared before the name changes.
char gName[PATH_MAX];
std::atomic<bool> gArmed{false};
static_assert(std::atomic<bool>::is_always_lock_free);

struct sigaction gPrevious[kCount];
bool gInstalled[kCount];
bool gHandling = false;  // the handler set for the signals above

extern "C" void RemoveThenEnd(int signal) {
  if (gArmed.load()) ::unlink(gName);
  // SA_RESETHAND put back the default; the signal, held while its handler
  // runs, ends the program as soon as the handler returns.
  ::raise(signal);
}

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kEnding) sigaddset(&set, signal);
  return set;
}

}  // namespace

SignalsHeld::SignalsHeld() {
  const sigset_t ending = EndingSignals();
  ::pthread_sigmask(SIG_BLOCK, &ending, &previous_);
}

SignalsHeld::~SignalsHeld() {
  ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void RemoveOnSignal(const QByteArray& name) {
  gArmed.store(false);
  // Longer than any path the system takes, so no such file is made.
  if (static_cast<std::size_t>(name.size()) >= sizeof gName) return;
  std::memcpy(gName, name.constData(), static_cast<std::size_t>(name.size()) + 1);
  gArmed.store(true);
  if (gHandling) return;
  gHandling = true;
  for (std::size_t i = 0; i < kCount; ++i) {
    struct sigaction handler {};
    handler.sa_handler = RemoveThenEnd;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESETHAND;
    gInstalled[i] = ::sigaction(kEnding[i], nullptr, &gPrevious[i]) == 0 &&
                    !(gPrevious[i].sa_flags & SA_SIGINFO) && gPrevious[i].sa_handler == SIG_DFL &&
                    ::sigaction(kEnding[i], &handler, nullptr) == 0;
  }
}

void ForgetOnSignal() {
  gArmed.store(false);
  for (std::size_t i = 0; i < kCount; ++i) {
    if (gInstalled[i]) ::sigaction(kEnding[i], &gPrevious[i], nullptr);
    gInstalled[i] = false;
  }
  gHandling = false;
}

}  // namespace cli
