// The file-open dialog: its filter on a file system that tells cases apart, and its seam;
// the message box.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
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

  // The real dialog, answered from the event loop: the second use opens
  // where the first chose (a path typed whole in the name box included), with
  // the first's history and an empty name box, and no use writes the settings
  // file Qt's dialog keeps on its own. Each use goes up a folder.
  void dialogRemembersInMemoryOnly() {
    QTemporaryDir config, files;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QVERIFY(QDir(files.path()).mkpath(QStringLiteral("sub")));
    const QString chosen = files.path() + QStringLiteral("/sub/a.CRV");
    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QStringList seen;
    const auto answer = [&seen, chosen](bool choose) {
      QTimer::singleShot(0, [&seen, chosen, choose] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = d == nullptr ? nullptr : d->findChild<QLineEdit*>();
        if (name == nullptr) return;
        seen << d->directory().absolutePath() << name->text();
        d->setDirectory(QFileInfo(chosen).path() + QStringLiteral("/.."));
        seen << d->history().join(QLatin1Char(','));
        if (choose) name->setText(chosen);
        QDialog* box = d;  // accept() is protected in QFileDialog
        choose ? box->accept() : box->reject();
      });
    };
    platform::CommonDialog dialog;
    answer(true);
    QVERIFY(dialog.ShowOpen());
    QCOMPARE(dialog.FileName, chosen);
    dialog.FileName.clear();  // as the Load command does before every use
    answer(false);
    QVERIFY(!dialog.ShowOpen());
    // Folder and name box shown, then history after going up, in each use.
    const QString sub = QFileInfo(chosen).path();
    QCOMPARE(seen.mid(3), (QStringList{sub, QString(), sub + QLatin1Char(',') + files.path()}));
    const QDir settings(config.path());
    QCOMPARE(settings.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
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
