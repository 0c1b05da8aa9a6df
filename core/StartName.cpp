#include "core/StartName.h"

namespace core {

QString WithoutQuotePair(const QString& name) {
  const QChar quote(u'"');
  if (name.size() >= 2 && name.front() == quote && name.back() == quote) {
    return name.mid(1, name.size() - 2);
  }
  return name;
}

bool PassesCrvNameTest(const QString& name) {
  return name.right(4).toUpper() == QStringLiteral(".CRV");
}

QString CannotProcessText(const QString& name) {
  return QStringLiteral("File ") + name + QStringLiteral(" cannot be processed!");
}

}  // namespace core
