#include "CrvBuilder.h"

#include <QFile>

QString WriteCrv(const QTemporaryDir& dir, const QByteArray& bytes, const QString& name) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
  return path;
}
