#pragma once

#include <QByteArray>
#include <QString>

namespace cli {

// Text from a file or a name, shown so that one result stays one line:
// control characters and bytes that are not UTF-8 as escapes.
QString Printable(const QString& text);

// Bytes of a file decoded as names are (FileName.h), then made printable.
QString PrintableBytes(const QByteArray& bytes);

}  // namespace cli
