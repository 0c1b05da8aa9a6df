#pragma once

#include <signal.h>

#include <QByteArray>

namespace cli {

// The signals that end the program unless it handles them (INT, TERM, HUP,
// QUIT, PIPE, ALRM, USR1, USR2, XCPU, VTALRM, PROF), held back in this thread
// while the guard lives, so that a file and the note of its name change
// together; a signal that came meanwhile arrives when the guard goes.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

// Until ForgetOnSignal, one of those signals first removes the file at name,
// then ends the program as it would have; a signal the program ignores or
// handles itself is left as it is. Both are called with the signals held.
// KILL and STOP cannot be caught: a file is named only for an instant.
void RemoveOnSignal(const QByteArray& name);
void ForgetOnSignal();

}  // namespace cli
