#pragma once

#include <QString>

namespace platform {

// What the program says about itself: title, version and where to find it.
struct AppInfo {
  static QString Title() { return QStringLiteral("Mirelda"); }
  static constexpr int kMajor = 3;
  static constexpr int kMinor = 1;
  static constexpr int kRevision = 0;
  // The version information carries no copyright text.
  static QString Copyright() { return QString(); }
  // Mirelda has no web site: its manual page is where an installed program
  // tells more, and points on to the rest of its documentation.
  static QString MoreInfo() { return QStringLiteral("man mirelda"); }
};

}  // namespace platform
