#pragma once
// mirelda-crv run as a process by the tests of tests/cli, and the files they
// share: a fleet of CRV files, odd names and refused fields.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct Run {
  int status = -1;
  QStringList out;  // lines of standard output
  QString err;
};

// Runs mirelda-crv with args; words that start with "@" say how instead:
// "@NAME=VALUE" or "@-NAME" sets or removes an environment variable,
// "@stdout=FILE", "@fsize=BYTES" and "@memory=BYTES" (limits), and "@nobody"
// (an ordinary user, when the tests run as root).
Run Crv(QStringList args);

// A copy of file that only the ordinary user of "@nobody" may read, in a
// folder of that user's own inside dir: the file itself may lie where that
// user cannot enter (a clone under root's home). As any other user, file.
QString ReadableCopy(const QTemporaryDir& dir, const QString& file, const QStringList& how);

// A file named by its bytes, which need not be UTF-8.
void WriteRaw(const QByteArray& path, const QByteArray& bytes);

QString Example(const char* name);

// An example with one text replaced, written into dir.
QString Changed(const QTemporaryDir& dir, const char* example, const QByteArray& from,
                const QByteArray& to, const QString& name);

// Writes the shared files into dir and makes it the current folder; a test
// case calls it from initTestCase and stops there when it failed.
void WriteCliFiles(const QTemporaryDir& dir);
// What QTemporaryDir cannot remove by itself.
void RemoveCliFiles();
