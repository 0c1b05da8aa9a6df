#pragma once

#include <signal.h>

#include <QByteArray>

namespace cli {

// The signals that end the program unless it handles them (INT, TERM, HUP,
// QUIT, PIPE, ALRM, USR1, USR2, XCPU, VTALRM, PROF), held back in this thread
// while the guard lives, so that a file renamed into place and the end of
// looking after its old name go together; a signal that came meanwhile
// arrives when the guard goes.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

// Until ForgetOnSignal, one of those signals first removes the file at name
// (the last name given), then ends the program as it would have; a signal
// the program ignores or handles itself is left as it is. Given before the
// file is made, so that no thread takes a signal while it is not looked
// after. KILL and STOP cannot be caught: a file is named only for an instant.
void RemoveOnSignal(const QByteArray& name);
void ForgetOnSignal();

}  // namespace cli
