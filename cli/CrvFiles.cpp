#include "CrvFiles.h"

#include <QDir>
#include <QFileInfo>

#include "StartName.h"

namespace cli {

namespace {

void Walk(const QString& dirPath, const std::function<void(const QString&)>& file,
          const std::function<void(const QString&, const QString&)>& problem) {
  const QFileInfo info(dirPath);
  // An unreadable directory would list as empty: its files would go unchecked unnoticed.
  if (!info.isReadable() || !info.isExecutable()) {
    problem(dirPath, QStringLiteral("Could not read directory!"));
    return;
  }
  const QFileInfoList entries = QDir(dirPath).entryInfoList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  const QString prefix = dirPath.endsWith(QLatin1Char('/')) ? dirPath : dirPath + QLatin1Char('/');
  for (const QFileInfo& entry : entries) {
    const QString path = prefix + entry.fileName();
    if (entry.isDir()) {
      if (!entry.isSymLink()) Walk(path, file, problem);
    } else if (mainwindow::PassesCrvNameTest(entry.fileName())) {
      file(path);
    }
  }
}

}  // namespace

void ForEachCrvFile(
    const QString& operand, bool recursive, const std::function<void(const QString& file)>& file,
    const std::function<void(const QString& path, const QString& message)>& problem) {
  if (!QFileInfo(operand).isDir()) {
    file(operand);
  } else if (!recursive) {
    problem(operand,
            QStringLiteral("Is a directory; give --recursive to check the CRV files in it"));
  } else {
    Walk(operand, file, problem);
  }
}

}  // namespace cli
