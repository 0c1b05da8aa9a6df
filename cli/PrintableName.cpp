#include "cli/PrintableName.h"

#include "core/FileNameBytes.h"

namespace cli {

namespace {

QString Hex(char16_t code, int digits) {
  return QStringLiteral("%1").arg(code, digits, 16, QLatin1Char('0'));
}

QString Printable(const QString& name, bool doubleBackslash) {
  QString shown;
  shown.reserve(name.size());
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    const bool pairedHigh =
        name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
    if (pairedHigh) {
      shown += name[i];
      shown += name[++i];
    } else if (c == u'\\' && doubleBackslash) {
      shown += QStringLiteral("\\\\");
    } else if (c == u'\n') {
      shown += QStringLiteral("\\n");
    } else if (c == u'\t') {
      shown += QStringLiteral("\\t");
    } else if (c == u'\r') {
      shown += QStringLiteral("\\r");
    } else if (c < 0x20 || c == 0x7F) {
      shown += QStringLiteral("\\x") + Hex(c, 2);
    } else if (core::IsEscapedByte(name[i])) {
      shown += QStringLiteral("\\x") + Hex(c - 0xDC00, 2);
    } else if (name[i].isSurrogate() || IsInvisible(c)) {
      shown += QStringLiteral("\\u") + Hex(c, 4);
    } else {
      shown += name[i];
    }
  }
  return shown;
}

}  // namespace

bool IsInvisible(char16_t c) {
  return (c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

QString PrintableName(const QString& name) {
  return Printable(name, true);
}

QString PrintableLine(const QString& line) {
  return Printable(line, false);
}

}  // namespace cli
