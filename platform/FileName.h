#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A file name on this system is a string of bytes, most often UTF-8 but not
// always. The program carries names as QString, so each name is held there
// losslessly: valid UTF-8 decodes as usual, and every byte that is not part
// of valid UTF-8 becomes the lone surrogate U+DC00 + byte (U+DC80..U+DCFF),
// which no decoded name can contain. Encoding gives the very same bytes back.
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// True for a character that stands for a byte that was not UTF-8.
bool IsEscapedByte(QChar c);

// The name as a window shows it: each byte that was not UTF-8 shown as the
// replacement character U+FFFD. Any text that may hold a name goes through
// it on its way to a widget.
QString ShownFileName(const QString& name);

// A path as Qt's file dialog gives it, where each byte of a name that is not
// UTF-8 became U+FFFD, back in the lossless form: each name in it that holds
// U+FFFD is looked up among the entries of its folder as Qt shows them. A
// path that holds no U+FFFD, or whose name matches no entry or several, is
// given back as it came.
QString FileNameFromShown(const QString& path);

}  // namespace platform
