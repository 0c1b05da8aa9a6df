#include "StatusLog.h"

#include "AppInfo.h"

namespace mainwindow {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString AppendToLog(const QString& log, const QString& msg, int16_t newlineflag) {
  const QString tail = newlineflag != 0 ? msg + kCrLf : msg;
  const qsizetype excess = log.size() + tail.size() - kStatusLogLimit;
  qsizetype cut = 0;
  while (cut < excess && cut < log.size()) {
    const qsizetype lineEnd = log.indexOf(kCrLf, cut);
    // The last line is unfinished and so joins msg: it goes as a whole too.
    cut = lineEnd < 0 ? log.size() : lineEnd + kCrLf.size();
  }
  return log.mid(cut) + tail;
}

QString AboutText() {
  using platform::AppInfo;
  return QStringLiteral("Program: %1 V%2.%3 build %4")
             .arg(AppInfo::Title())
             .arg(AppInfo::kMajor)
             .arg(AppInfo::kMinor)
             .arg(AppInfo::kRevision) +
         kCrLf + kCrLf + AppInfo::Copyright() + kCrLf + kCrLf + QStringLiteral("More info: ") +
         AppInfo::WebAddress();
}

}  // namespace mainwindow
