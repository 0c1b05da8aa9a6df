#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The program's argument string: its arguments after its own name, joined by
// single blanks, so that a path with blanks given unquoted stays one name.
QString ArgumentString(const QStringList& arguments);

// The command line as the operating system gave it, and the one Qt is given:
// the program's name alone. Qt would otherwise take its own options (-reverse,
// -style, -platform, ...) out of the arguments and act on them, while every
// argument belongs to the file name. Keep this alive as long as the
// application object that received QtArgc() and QtArgv().
class CommandLine {
 public:
  CommandLine(int argc, char** argv);

  // Every argument, the program's own name first, each decoded as a file
  // name (FileName.h), so that a name that is not UTF-8 keeps its bytes.
  const QStringList& Arguments() const { return arguments_; }

  int& QtArgc() { return qtArgc_; }
  char** QtArgv() { return qtArgv_; }

 private:
  QStringList arguments_;
  int qtArgc_;
  char* qtArgv_[2];
};

}  // namespace platform
