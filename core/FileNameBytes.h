#pragma once

#include <QByteArray>
#include <QString>

namespace core {

// A file name on this system is a string of bytes, most often UTF-8 but not
// always. The program carries names as QString, so each name is held there
// losslessly: valid UTF-8 decodes as usual, and every byte that is not part
// of valid UTF-8 becomes the lone surrogate U+DC00 + byte (U+DC80..U+DCFF),
// which no decoded name can contain. Encoding gives the very same bytes back.
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// True for a character that stands for a byte that was not UTF-8.
bool IsEscapedByte(QChar c);

// The name as a window or a drawn chart shows it: each byte that was not
// UTF-8 shown as the replacement character U+FFFD.
QString ShownFileName(const QString& name);

}  // namespace core
