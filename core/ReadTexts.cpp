#include "core/ReadTexts.h"

#include "core/CurveNames.h"

namespace core {

QString ReadingText(const QString& path) {
  return QStringLiteral("Reading data from ") + FileNameOf(path);
}

QString SuccessText() {
  return QStringLiteral("Success!");
}

QString ProblemStatusText(int32_t line) {
  return QStringLiteral("Problem at line ") + QString::number(line) + QLatin1Char('!');
}

QString CouldNotOpenStatusText() {
  return QStringLiteral("Could not open file!");
}

QString ProblemText(const QString& path, int32_t line) {
  return QStringLiteral("Problem with ") + path + QStringLiteral(" at line ") +
         QString::number(line);
}

QString UnfinishedText(const QString& path) {
  return QStringLiteral("Could not fully process ") + path;
}

QString CouldNotOpenText(const QString& path) {
  return QStringLiteral("Could not open ") + path;
}

}  // namespace core
