#pragma once

#include <QString>

namespace cli {

// What --help and --version print.
QString HelpText();
QString VersionText();

}  // namespace cli
