// The file-open dialog: its filter on a file system that tells cases apart, its
// listing and names read by their bytes, and its seam;
// the message box.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "platform/FileName.h"
#include "platform/FileOpenDialog.h"
#include "platform/FolderListing.h"
#include "platform/MessageBox.h"
#include "platform/OpenFileWindow.h"

namespace {
// The dialog shown by a CommonDialog, once it is up.
platform::OpenFileWindow* ShownDialog() {
  return dynamic_cast<platform::OpenFileWindow*>(QApplication::activeModalWidget());
}

// The files written by their names' bytes, removed before their temporary
// folder (Qt removes only the names it can decode).
QList<QByteArray>& Written() {
  static QList<QByteArray> paths;
  return paths;
}
struct RemoveWritten {
  ~RemoveWritten() {
    for (const QByteArray& path : Written()) ::unlink(path.constData());
    Written().clear();
  }
};

// Writes an empty file by its name's bytes.
bool WriteBytes(const QByteArray& path) {
  Written() << path;
  FILE* file = std::fopen(path.constData(), "wb");
  return file != nullptr && std::fclose(file) == 0;
}

const QString kFilter = QStringLiteral("Calibration Curve Files (*.CRV)|*.CRV");
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
    QCOMPARE(platform::FilterLists(kFilter, fileName), listed);
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
  // the first's folders under "Look in" and an empty name box, and no use
  // writes a settings file. Each use goes up a folder.
  void dialogRemembersInMemoryOnly() {
    QTemporaryDir config, files;
    const RemoveWritten removeWritten;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QVERIFY(QDir(files.path()).mkpath(QStringLiteral("sub")));
    const QString chosen = files.path() + QStringLiteral("/sub/a.CRV");
    QVERIFY(WriteBytes(QFile::encodeName(chosen)));
    QStringList seen;
    const auto answer = [&seen, chosen](bool choose) {
      QTimer::singleShot(0, [&seen, chosen, choose] {
        platform::OpenFileWindow* d = ShownDialog();
        auto* name = d == nullptr ? nullptr : d->findChild<QLineEdit*>();
        if (name == nullptr) return;
        seen << d->Folder() << name->text();
        d->SetFolder(QFileInfo(chosen).path() + QStringLiteral("/.."));
        seen << d->History().mid(d->History().size() - 2).join(QLatin1Char(','));
        if (choose) QTest::keyClicks(name, chosen);
        if (choose) QTest::keyClick(name, Qt::Key_Return);
        if (ShownDialog() != nullptr) d->reject();
      });
    };
    platform::CommonDialog dialog;
    dialog.Flags = platform::CommonDialog::kFileMustExist;
    dialog.Filter = kFilter;
    answer(true);
    QVERIFY(dialog.ShowOpen());
    QCOMPARE(dialog.FileName, chosen);
    dialog.FileName.clear();  // as the Load command does before every use
    answer(false);
    QVERIFY(!dialog.ShowOpen());
    // Folder and name box shown, then the last folders after going up, in each use.
    const QString sub = QFileInfo(chosen).path();
    QCOMPARE(seen.mid(3), (QStringList{sub, QString(), sub + QLatin1Char(',') + files.path()}));
    const QDir settings(config.path());
    QCOMPARE(settings.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
  }

  // A folder as the dialog lists it, read by the names' bytes: folders first,
  // then the files the filter lists, in name order; a name that is not UTF-8
  // is listed like any other; hidden entries and what is neither a file nor
  // a folder are not.
  void folderListing() {
    QTemporaryDir dir;
    const RemoveWritten removeWritten;
    const QByteArray at = QFile::encodeName(dir.path()) + '/';
    for (const QByteArray name : {"caf\xe9.CRV", "b.crv", "A.Crv", "notes.txt", ".hidden.CRV"}) {
      QVERIFY(WriteBytes(at + name));
    }
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("zed")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Old.CRV")));
    QCOMPARE(::mkfifo(at + "pipe.CRV", 0600), 0);
    QCOMPARE(::symlink("nowhere", at + "gone.CRV"), 0);
    QCOMPARE(::symlink("b.crv", at + "link.CRV"), 0);
    QStringList listed;
    for (const platform::FolderEntry& entry :
         platform::ListFolder(platform::DecodeFileName(QFile::encodeName(dir.path())), kFilter)) {
      listed << platform::ShownFileName(entry.name) + (entry.folder ? "/" : "");
    }
    QCOMPARE(listed, (QStringList{"Old.CRV/", "zed/", "A.Crv", "b.crv",
                                  QStringLiteral(u"caf\ufffd.CRV"), "link.CRV"}));
  }

  // A name typed into the real dialog, then Return: what Open does with it.
  // The folder holds caf\xe9.CRV (not UTF-8), a.CRV, notes.txt and sub/.
  void typedNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("open");        // Open enabled
    QTest::addColumn<QByteArray>("file");  // chosen, by its bytes; none when the dialog stays
    QTest::addColumn<QString>("folder");   // where the dialog stays, in the temporary folder
    const QString here;
    QTest::newRow("a name that is not UTF-8, as shown")
        << QStringLiteral(u"caf\ufffd.CRV") << true << QByteArray("caf\xe9.CRV") << here;
    QTest::newRow("a plain name") << "a.CRV" << true << QByteArray("a.CRV") << here;
    QTest::newRow("a name the viewer will refuse")
        << "notes.txt" << true << QByteArray("notes.txt") << here;
    QTest::newRow("a folder is entered") << "sub" << true << QByteArray() << "/sub";
    QTest::newRow("a missing name") << "missing.CRV" << false << QByteArray() << here;
    QTest::newRow("a whole path") << "@/sub/b.CRV" << true << QByteArray("sub/b.CRV") << here;
  }

  void typedNames() {
    QFETCH(QString, typed);
    QFETCH(bool, open);
    QFETCH(QByteArray, file);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    const RemoveWritten removeWritten;
    const QByteArray at = QFile::encodeName(dir.path()) + '/';
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    for (const QByteArray name : {"caf\xe9.CRV", "a.CRV", "notes.txt", "sub/b.CRV"}) {
      QVERIFY(WriteBytes(at + name));
    }
    typed.replace(QLatin1Char('@'), dir.path());
    bool enabled = false;
    QString after;
    QTimer::singleShot(0, [&] {
      platform::OpenFileWindow* d = ShownDialog();
      if (d == nullptr) return;
      d->SetFolder(dir.path());
      auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      // As an input method commits it: keyClicks takes ASCII alone.
      QInputMethodEvent input;
      input.setCommitString(typed);
      QApplication::sendEvent(name, &input);
      enabled = d->findChild<QDialogButtonBox*>()->buttons().constFirst()->isEnabled();
      QTest::keyClick(name, Qt::Key_Return);
      if (ShownDialog() == nullptr) return;
      after = d->Folder();
      d->reject();
    });
    platform::CommonDialog dialog;
    dialog.Flags = platform::CommonDialog::kFileMustExist;
    dialog.Filter = kFilter;
    const bool chosen = dialog.ShowOpen();
    QCOMPARE(enabled, open);
    QCOMPARE(chosen, !file.isEmpty());
    if (chosen) QCOMPARE(dialog.FileName, platform::DecodeFileName(at + file));
    if (!chosen) QCOMPARE(after, dir.path() + folder);
  }

  // Picked in the list rather than typed: the entry's own bytes, even where
  // two names look alike once shown (U+DCE8 sorts before U+DCE9).
  void pickedName() {
    QTemporaryDir dir;
    const RemoveWritten removeWritten;
    const QByteArray at = QFile::encodeName(dir.path()) + '/';
    QVERIFY(WriteBytes(at + "caf\xe9.CRV") && WriteBytes(at + "caf\xe8.CRV"));
    int listed = 0;
    QTimer::singleShot(0, [&] {
      platform::OpenFileWindow* d = ShownDialog();
      if (d == nullptr) return;
      d->SetFolder(dir.path());
      auto* list = d->findChild<QListWidget*>();
      listed = list->count();
      list->setCurrentRow(1);
      QTest::keyClick(list, Qt::Key_Return);
      if (ShownDialog() != nullptr) d->reject();
    });
    platform::CommonDialog dialog;
    dialog.Flags = platform::CommonDialog::kFileMustExist;
    dialog.Filter = kFilter;
    QVERIFY(dialog.ShowOpen());
    QCOMPARE(listed, 2);
    QCOMPARE(dialog.FileName, platform::DecodeFileName(at + "caf\xe9.CRV"));
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
