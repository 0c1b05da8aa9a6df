#pragma once

#include <QByteArray>
#include <QString>

namespace cli {

// A line of a file's own text, as the program shows it: decoded as UTF-8
// when it is valid UTF-8, else as Windows-1252 (what the calibration
// computers commonly write), whose five unassigned bytes stand for the C1
// controls of the same number. A line cut short (cut) may end inside a
// UTF-8 character; that part is dropped.
QString DecodeText(const QByteArray& bytes, bool cut = false);

// The same, then kept on one line without terminal codes (PrintableLine):
// only control characters are escaped.
QString DisplayLine(const QByteArray& bytes, bool cut = false);

}  // namespace cli
