#include "HelpText.h"

#include "AppInfo.h"

namespace cli {

QString HelpText() {
  return QStringLiteral(
      "Usage: mirelda-crv check [--quiet] [--recursive] FILE...\n"
      "       mirelda-crv list [--csv] FILE [CURVE]\n"
      "       mirelda-crv chart FILE -o OUT [--size WxH] [--scale F]\n"
      "       mirelda-crv --help | --version\n"
      "\n"
      "Checks, lists and charts CRV calibration files with the reader, list text and\n"
      "chart of the Mirelda viewer.\n"
      "\n"
      "Commands:\n"
      "  check    read each file as the viewer does and print one line per file:\n"
      "           the file name and \"Success!\" (with any \"... INVALID!\" warnings\n"
      "           about its target samples) or the reader's message\n"
      "  list     print the list text of one curve as the main window shows it, or\n"
      "           of all eight under their captions; a marked line ends in \" *\".\n"
      "           CURVE: Targets, Dynamic, Loaded Up, Empty Up, Loaded Down,\n"
      "           Empty Down, Delta Up or Delta Down (any letter case; blanks may be\n"
      "           written as - or _, or left out)\n"
      "  chart    write the chart that the chart window shows, as PNG, SVG or PDF\n"
      "           by the extension of OUT; no display is needed. OUT is a new name\n"
      "           or a regular file that may be written, replaced only when the\n"
      "           new chart is whole\n"
      "\n"
      "Options:\n"
      "  -q, --quiet      check: print only the files that failed; list and chart:\n"
      "                   no warnings\n"
      "  -r, --recursive  check: walk directories for files ending in .CRV (any case)\n"
      "      --csv        list: one row per height with the raw readings and the\n"
      "                   volts of the seven curves, under a header\n"
      "  -o, --output OUT chart: the file to write\n"
      "      --size WxH   chart: its size in pixels (default 625x502, the window's)\n"
      "      --scale F    chart, PNG: F image pixels to one of the window's, from 1\n"
      "                   to 4 (default 1), so that text and lines grow with it\n"
      "  -h, --help       print this help\n"
      "      --version    print the version\n"
      "\n"
      "Exit status: 0 when every file read with success, 1 when any did not (or\n"
      "could not be written), 2 for a command line that makes no sense.\n");
}

QString VersionText() {
  using platform::AppInfo;
  return QStringLiteral("mirelda-crv (%1) %2.%3 build %4\n")
      .arg(AppInfo::Title())
      .arg(AppInfo::kMajor)
      .arg(AppInfo::kMinor)
      .arg(AppInfo::kRevision);
}

}  // namespace cli
