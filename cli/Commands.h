#pragma once

#include "cli/Invocation.h"
#include "cli/Output.h"

namespace cli {

// Exit statuses: every file read with success, something failed, the
// command line made no sense.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Each command runs on a parsed invocation and returns the exit status.
int RunCheck(const Invocation& inv, Output& out);
int RunList(const Invocation& inv, Output& out);
int RunChart(const Invocation& inv, Output& out);
int RunInfo(const Invocation& inv, Output& out);
int RunCompare(const Invocation& inv, Output& out);
int RunReport(const Invocation& inv, Output& out);

}  // namespace cli
