// mirelda-crv: checks, lists and charts CRV files from the command line.
#include <QCoreApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <memory>

#include "cli/Commands.h"
#include "cli/HelpText.h"
#include "cli/Invocation.h"
#include "cli/Output.h"
#include "cli/PrintableName.h"
#include "platform/CommandLine.h"

namespace {

// Qt's own notes (a runtime directory it had to choose, say) are not for the
// user of a command-line program; its critical and fatal messages still are.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "mirelda-crv: %s\n", qPrintable(cli::PrintableName(message)));
  }
}

int Run(const cli::Invocation& inv, cli::Output& out) {
  switch (inv.action) {
    case cli::Action::Help:
      out.Result(cli::HelpText().chopped(1));
      return cli::kExitSuccess;
    case cli::Action::Version:
      out.Result(cli::VersionText().chopped(1));
      return cli::kExitSuccess;
    case cli::Action::Check:
      return cli::RunCheck(inv, out);
    case cli::Action::List:
      return cli::RunList(inv, out);
    case cli::Action::Chart:
      return cli::RunChart(inv, out);
    case cli::Action::Info:
      return cli::RunInfo(inv, out);
    case cli::Action::Compare:
      return cli::RunCompare(inv, out);
    case cli::Action::Report:
      return cli::RunReport(inv, out);
  }
  return cli::kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Qt sees no argument but the program's name, so none is taken as its option.
  platform::CommandLine commandLine(argc, argv);
  // Beyond a file size limit a write fails and is reported like a full disk,
  // instead of the signal ending the program half-way through a file.
  std::signal(SIGXFSZ, SIG_IGN);
  qInstallMessageHandler(QtMessages);
  cli::Output out;
  const cli::Parsed parsed = cli::ParseArguments(commandLine.Arguments().mid(1));
  if (!parsed.error.isEmpty()) {
    out.Error(parsed.error);
    out.Error(QStringLiteral("try 'mirelda-crv --help'"));
    out.Finish();
    return cli::kExitUsage;
  }
  // Only the chart and the sheet draw, through the chart layer: on the
  // offscreen platform, so it never needs or opens a display.
  std::unique_ptr<QCoreApplication> app;
  const cli::Action action = parsed.invocation.action;
  if (action == cli::Action::Chart || action == cli::Action::Report) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(commandLine.QtArgc(), commandLine.QtArgv());
  } else {
    app = std::make_unique<QCoreApplication>(commandLine.QtArgc(), commandLine.QtArgv());
  }
  const int status = Run(parsed.invocation, out);
  if (!out.Finish()) {
    std::fprintf(stderr, "mirelda-crv: could not write the output\n");
    return cli::kExitFailure;
  }
  return status;
}
