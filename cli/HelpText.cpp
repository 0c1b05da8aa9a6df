#include "cli/HelpText.h"

#include "platform/AppInfo.h"

namespace cli {

QString HelpText() {
  return QStringLiteral(
      "Usage: mirelda-crv check [--quiet] [--recursive] [--json] FILE...\n"
      "       mirelda-crv list [--csv] FILE [CURVE]\n"
      "       mirelda-crv chart FILE -o OUT [--size WxH] [--scale F] [--reference REF]\n"
      "                         [--marks]\n"
      "       mirelda-crv info [--json] FILE\n"
      "       mirelda-crv compare REF FILE [--tolerance VOLTS] [--csv]\n"
      "       mirelda-crv report FILE -o SHEET.pdf [--reference REF]\n"
      "                          [--tolerance VOLTS] [--site TEXT] [--technician NAME]\n"
      "                          [--issued YYYY-MM-DD]\n"
      "       mirelda-crv --help | --version\n"
      "\n"
      "Checks, lists, charts and compares CRV calibration files, and makes their\n"
      "calibration sheets, with the reader, list text and chart of the Mirelda viewer.\n"
      "\n"
      "Commands:\n"
      "  check    read each file as the viewer does and print one line per file:\n"
      "           the file name and \"Success!\" (with any \"... INVALID!\" warnings\n"
      "           about its target samples) or what stopped it and why (\"Problem\n"
      "           at line 43: field 4 \"014772\": a leading zero\"); then, on\n"
      "           standard error, how many files read and how many were refused\n"
      "  list     print the list text of one curve as the main window shows it, or\n"
      "           of all eight under their captions; a marked line ends in \" *\".\n"
      "           CURVE: Targets, Dynamic, Loaded Up, Empty Up, Loaded Down,\n"
      "           Empty Down, Delta Up or Delta Down (any letter case; blanks may be\n"
      "           written as - or _, or left out)\n"
      "  chart    write the chart that the chart window shows, as PNG, SVG or PDF\n"
      "           by the extension of OUT; no display is needed. OUT is a new name\n"
      "           or a regular file that may be written, replaced only when the\n"
      "           new chart is whole\n"
      "  info     print the lines before the header, indented under a heading,\n"
      "           then the outcome, the sensor kind and the chart's range, the\n"
      "           elevation switches and the number of target samples of each set\n"
      "  compare  print, for each of the seven curves, the largest difference FILE\n"
      "           minus REF in volts and in counts, the height where it lies and the\n"
      "           mean difference; a warning when the two read as two sensor kinds\n"
      "  report   write a calibration sheet of FILE to file with a customer: an A4\n"
      "           PDF whose every page names the installation, the run and the\n"
      "           file's identifier (SHA-256, first 12 hex digits); the outcome,\n"
      "           switches, target samples, the file's notes, the chart with marks\n"
      "           and the curves in volts, height by height, and lines to sign; with\n"
      "           a reference, the differences, and with a tolerance, a verdict.\n"
      "           A file that does not read gets a one-page document that says it\n"
      "           is not a calibration sheet, and why\n"
      "  OUT and SHEET.pdf are new names or regular files that may be written,\n"
      "  replaced only when the new file is whole\n"
      "\n"
      "Options:\n"
      "  -q, --quiet      check: print only the files that failed, and no summary;\n"
      "                   the other commands: no warnings\n"
      "  -r, --recursive  check: walk directories for files ending in .CRV (any case)\n"
      "      --csv        list: one row per height with the raw readings and the\n"
      "                   volts of the seven curves, under a header, then the lines\n"
      "                   before the header, the switches and the target samples;\n"
      "                   compare: the rows of the differences\n"
      "      --json       check, info: one JSON object per file, on one line\n"
      "  -o, --output OUT chart, report: the file to write\n"
      "      --size WxH   chart: its size in pixels (default 625x502, the window's)\n"
      "      --scale F    chart, PNG: F image pixels to one of the window's, from 1\n"
      "                   to 4 (default 1), so that text and lines grow with it\n"
      "      --reference REF\n"
      "                   chart, report: draw the run REF too, thinner and dashed, on\n"
      "                   the range that covers both files\n"
      "      --marks      chart: the target samples as markers on their curves, the\n"
      "                   elevation switches as lines labelled Up and Down\n"
      "      --tolerance VOLTS\n"
      "                   compare, report: exit with 1 when a curve's largest\n"
      "                   difference exceeds VOLTS in absolute value\n"
      "      --site TEXT, --technician NAME\n"
      "                   report: the site or customer, and who calibrated\n"
      "      --issued YYYY-MM-DD\n"
      "                   report: the date of issue (default today)\n"
      "  -h, --help       print this help\n"
      "      --version    print the version\n"
      "\n"
      "Exit status: 0 when every file read with success (and compare found no\n"
      "difference beyond its tolerance), 1 when any did not (or could not be\n"
      "written), 2 for a command line that makes no sense.\n");
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
