#include "Printable.h"

#include "FileName.h"

namespace cli {

QString Printable(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (platform::IsEscapedByte(text[i]) && (i == 0 || !text[i - 1].isHighSurrogate())) {
      shown += QStringLiteral("\\x%1").arg(c - 0xDC00, 2, 16, QLatin1Char('0'));
    } else if (c == '\n') {
      shown += QStringLiteral("\\n");
    } else if (c == '\t') {
      shown += QStringLiteral("\\t");
    } else if (c < 0x20 || c == 0x7F) {
      shown += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    } else {
      shown += text[i];
    }
  }
  return shown;
}

QString PrintableBytes(const QByteArray& bytes) {
  return Printable(platform::DecodeFileName(bytes));
}

}  // namespace cli
