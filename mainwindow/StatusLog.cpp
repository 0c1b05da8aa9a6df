#include "mainwindow/StatusLog.h"

#include "platform/AppInfo.h"

namespace mainwindow {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

LogAppend AppendingToLog(const QString& log, const QString& msg, int16_t newlineflag) {
  LogAppend change{0, newlineflag != 0 ? msg + kCrLf : msg};
  const qsizetype excess = log.size() + change.tail.size() - kStatusLogLimit;
  while (change.cut < excess && change.cut < log.size()) {
    const qsizetype lineEnd = log.indexOf(kCrLf, change.cut);
    // The last line is unfinished and so joins msg: it goes as a whole too.
    change.cut = lineEnd < 0 ? log.size() : lineEnd + kCrLf.size();
  }
  return change;
}

QString AppendToLog(const QString& log, const QString& msg, int16_t newlineflag) {
  const LogAppend change = AppendingToLog(log, msg, newlineflag);
  return log.mid(change.cut) + change.tail;
}

QString AboutText() {
  using platform::AppInfo;
  return QStringLiteral("Program: %1 V%2.%3 build %4")
             .arg(AppInfo::Title())
             .arg(AppInfo::kMajor)
             .arg(AppInfo::kMinor)
             .arg(AppInfo::kRevision) +
         kCrLf + kCrLf + AppInfo::Copyright() + kCrLf + kCrLf + QStringLiteral("More info: ") +
         AppInfo::MoreInfo();
}

}  // namespace mainwindow
