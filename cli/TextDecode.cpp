#include "cli/TextDecode.h"

#include <QStringDecoder>
#include <optional>

#include "cli/PrintableName.h"

namespace cli {

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of it is Latin-1.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<QString> StrictUtf8(QByteArrayView bytes) {
  // Stateless: a character left unfinished at the end is an error too.
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

QString Windows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte));
  }
  return text;
}

// The bytes at the end that begin a UTF-8 character and stop before its
// last byte: a lead byte and fewer continuation bytes than it needs.
qsizetype UnfinishedTail(const QByteArray& bytes) {
  for (qsizetype length = 1; length <= 3 && length <= bytes.size(); ++length) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - length]);
    if (byte < 0x80) return 0;
    if (byte >= 0xC0) {
      const qsizetype needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
      return needed > length ? length : 0;
    }
  }
  return 0;
}

}  // namespace

QString DecodeText(const QByteArray& bytes, bool cut) {
  const qsizetype kept = bytes.size() - (cut ? UnfinishedTail(bytes) : 0);
  if (std::optional<QString> text = StrictUtf8(QByteArrayView(bytes).first(kept))) return *text;
  return Windows1252(bytes);
}

QString DisplayLine(const QByteArray& bytes, bool cut) {
  return PrintableLine(DecodeText(bytes, cut));
}

}  // namespace cli
