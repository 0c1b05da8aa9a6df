// The file-open dialog's filter and seam, the argument string, and printing a
// window's image through the PDF seam.
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "CommandLine.h"
#include "FileOpenDialog.h"
#include "WindowPrinter.h"

class PlatformDialogs : public QObject {
  Q_OBJECT

 private slots:
  void filterListsEveryCase_data();
  void filterListsEveryCase();
  void filterKeepsItsDescriptions();
  void seamSeesMembersAndAnswers();
  void argumentString_data();
  void argumentString();
  void printsHiddenWindowToPdf();
};

namespace {
// Whether one Qt name filter ("Text (*.a *.b)") lists a file name.
bool Lists(const QString& nameFilter, const QString& fileName) {
  const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
  const QString patterns = nameFilter.mid(open + 1).chopped(1);
  for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    // Case-sensitive, as a Linux file system matches names.
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
    if (re.match(fileName).hasMatch()) return true;
  }
  return false;
}
}  // namespace

void PlatformDialogs::filterListsEveryCase_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<bool>("listed");
  QTest::newRow("upper") << QStringLiteral("CAR1.CRV") << true;
  QTest::newRow("lower") << QStringLiteral("car 3.crv") << true;
  QTest::newRow("mixed") << QStringLiteral("Car.Crv") << true;
  QTest::newRow("odd mix") << QStringLiteral("x.cRv") << true;
  QTest::newRow("other extension") << QStringLiteral("notes.txt") << false;
  QTest::newRow("backup") << QStringLiteral("CAR1.CRV.bak") << false;
}

void PlatformDialogs::filterListsEveryCase() {
  QFETCH(QString, fileName);
  QFETCH(bool, listed);
  const QStringList filters =
      platform::QtNameFilters(QStringLiteral("Calibration Curve Files (*.CRV)|*.CRV"));
  QCOMPARE(filters.size(), 1);
  QCOMPARE(Lists(filters.first(), fileName), listed);
}

void PlatformDialogs::filterKeepsItsDescriptions() {
  const QStringList filters =
      platform::QtNameFilters(QStringLiteral("Curves (*.CRV)|*.CRV|All (*.*)|*.*"));
  QCOMPARE(filters.size(), 2);
  QVERIFY(filters[0].startsWith(QStringLiteral("Curves (*.CRV) (")));
  QCOMPARE(filters[1], QStringLiteral("All (*.*) (*.*)"));
  QVERIFY(platform::QtNameFilters(QString()).isEmpty());
}

void PlatformDialogs::seamSeesMembersAndAnswers() {
  QStringList titles;
  const auto previous =
      platform::CommonDialog::SetOpenHandler([&](const platform::CommonDialog& d) {
        titles << d.DialogTitle;
        return titles.size() == 1 ? QStringLiteral("/data/a.CRV") : QString();
      });
  platform::CommonDialog dialog;
  dialog.DialogTitle = QStringLiteral("Pick");
  QVERIFY(dialog.ShowOpen());
  QCOMPARE(dialog.FileName, QStringLiteral("/data/a.CRV"));
  // A cancel empties the name of the earlier choice.
  QVERIFY(!dialog.ShowOpen());
  QCOMPARE(dialog.FileName, QString());
  QCOMPARE(titles, (QStringList{QStringLiteral("Pick"), QStringLiteral("Pick")}));
  platform::CommonDialog::SetOpenHandler(previous);
}

void PlatformDialogs::argumentString_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QString>("expected");
  QTest::newRow("none") << QStringList{QStringLiteral("mirelda")} << QString();
  QTest::newRow("one") << QStringList{QStringLiteral("mirelda"), QStringLiteral("a.crv")}
                       << QStringLiteral("a.crv");
  QTest::newRow("unquoted blanks")
      << QStringList{QStringLiteral("mirelda"), QStringLiteral("Lift"), QStringLiteral("car.CRV")}
      << QStringLiteral("Lift car.CRV");
  QTest::newRow("quotes reach the program")
      << QStringList{QStringLiteral("mirelda"), QStringLiteral("\"a b.crv\"")}
      << QStringLiteral("\"a b.crv\"");
  QTest::newRow("empty argument kept")
      << QStringList{QStringLiteral("mirelda"), QString(), QStringLiteral("x")}
      << QStringLiteral(" x");
}

void PlatformDialogs::argumentString() {
  QFETCH(QStringList, arguments);
  QFETCH(QString, expected);
  QCOMPARE(platform::ArgumentString(arguments), expected);
}

void PlatformDialogs::printsHiddenWindowToPdf() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
  const QString previous = platform::SetPrintOutputFile(pdf);
  QLabel window(QStringLiteral("QRV Load Calibration Chart for CAR1.CRV"));
  window.resize(625, 502);
  QCOMPARE(platform::PrintWindowImage(&window), platform::PrintResult::Printed);
  QVERIFY(!window.isVisible());
  QVERIFY(QFileInfo(pdf).size() > 1000);
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.read(5) == "%PDF-");
  platform::SetPrintOutputFile(previous);
}

QTEST_MAIN(PlatformDialogs)
#include "tst_platform_dialogs.moc"
