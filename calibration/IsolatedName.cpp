#include "calibration/IsolatedName.h"

#include <QList>
#include <QStringView>

namespace CURVEroutines {

namespace {

constexpr char16_t kFirstStrongIsolate = u'\u2068';
constexpr char16_t kPopIsolate = u'\u2069';

// Right-to-left letters and digits, and every direction control: what can
// change the order of the text on either side of the name.
bool MayReorder(char32_t c) {
  switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
      return true;
    default:
      return false;
  }
}

bool OpensIsolate(char32_t c) {
  const QChar::Direction d = QChar::direction(c);
  return d == QChar::DirLRI || d == QChar::DirRLI || d == QChar::DirFSI;
}

}  // namespace

QString IsolatedName(const QString& name) {
  bool reorders = false;
  qsizetype open = 0;      // isolates the name opened and has not closed yet
  qsizetype unopened = 0;  // closings of isolates it never opened
  for (const char32_t c : QStringView(name).toUcs4()) {
    reorders = reorders || MayReorder(c);
    if (OpensIsolate(c)) {
      ++open;
    } else if (QChar::direction(c) == QChar::DirPDI) {
      open > 0 ? --open : ++unopened;
    }
  }
  if (!reorders) return name;
  return QString(1 + unopened, QChar(kFirstStrongIsolate)) + name +
         QString(1 + open, QChar(kPopIsolate));
}

}  // namespace CURVEroutines
