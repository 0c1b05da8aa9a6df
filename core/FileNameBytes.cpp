#include "core/FileNameBytes.h"

namespace core {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i], or 0 if there is none
// (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF,
// or a sequence cut short).
int SequenceLength(const QByteArray& bytes, qsizetype i, char32_t& code) {
  const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  int length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const unsigned char next = byte(i + k);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
  QString name;
  name.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    char32_t code = 0;
    const int length = SequenceLength(bytes, i, code);
    if (length == 0) {
      name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
      ++i;
      continue;
    }
    name += QString::fromUcs4(&code, 1);
    i += length;
  }
  return name;
}

bool IsEscapedByte(QChar c) {
  return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
}

QByteArray EncodeFileName(const QString& name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype start = 0;  // of the run of ordinary characters not yet encoded
  for (qsizetype i = 0; i <= name.size(); ++i) {
    const bool escaped =
        i < name.size() && IsEscapedByte(name[i]) && (i == 0 || !name[i - 1].isHighSurrogate());
    if (i < name.size() && !escaped) continue;
    bytes += QStringView(name).mid(start, i - start).toUtf8();
    if (escaped) bytes += static_cast<char>(name[i].unicode() - kEscapeBase);
    start = i + 1;
  }
  return bytes;
}

QString ShownFileName(const QString& name) {
  QString shown = name;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    if (IsEscapedByte(shown[i]) && (i == 0 || !shown[i - 1].isHighSurrogate())) {
      shown[i] = QChar::ReplacementCharacter;
    }
  }
  return shown;
}

}  // namespace core
