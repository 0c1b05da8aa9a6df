#include "tests/calibration/CrvBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString WriteCrv(const QTemporaryDir& dir, const QByteArray& bytes, const QString& name) {
  const QString path = dir.filePath(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
  return path;
}
