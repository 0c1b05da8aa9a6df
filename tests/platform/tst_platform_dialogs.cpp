// The file-open dialog: its filter on a file system that tells cases apart, and its seam;
// the message box.
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "FileName.h"
#include "FileOpenDialog.h"
#include "MessageBox.h"

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

class PlatformDialogs : public QObject {
  Q_OBJECT

 private slots:
  void filterListsEveryCase_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("listed");
    QTest::newRow("upper") << QStringLiteral("CAR1.CRV") << true;
    QTest::newRow("lower") << QStringLiteral("car 3.crv") << true;
    QTest::newRow("mixed") << QStringLiteral("Car.Crv") << true;
    QTest::newRow("odd mix") << QStringLiteral("x.cRv") << true;
    QTest::newRow("other extension") << QStringLiteral("notes.txt") << false;
    QTest::newRow("backup") << QStringLiteral("CAR1.CRV.bak") << false;
  }

  void filterListsEveryCase() {
    QFETCH(QString, fileName);
    QFETCH(bool, listed);
    const QStringList filters =
        platform::QtNameFilters(QStringLiteral("Calibration Curve Files (*.CRV)|*.CRV"));
    QCOMPARE(filters.size(), 1);
    QCOMPARE(Lists(filters.first(), fileName), listed);
  }

  void seamSeesMembersAndAnswers() {
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

  // The box shows a name that is not UTF-8 with each foreign byte as U+FFFD.
  void messageBoxShowsNamesAsItCan() {
    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown = box->text();
      box->accept();
    });
    platform::ShowMessage(QStringLiteral("Could not open /d/") +
                          platform::DecodeFileName("bad\xe9.CRV"));
    QCOMPARE(shown, QStringLiteral(u"Could not open /d/bad\ufffd.CRV"));
  }
};

QTEST_MAIN(PlatformDialogs)
#include "tst_platform_dialogs.moc"
