// The main window's load command, by the dialog or a drop, and the choice of
// lists.
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

#include "tests/mainwindow/MainCommandsFixture.h"

class MainLoad : public QObject, MainCommandsFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { Setup(); }
  void init() { Init(); }
  void cleanup() { Cleanup(); }

  // A file reaches the window through the Load dialog or dropped on the
  // status box or on the chart window, with the same outcome.
  // (A drop is taken only as a copy; "status move" offers a move alone.)
  void loadCommand_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");  // what the user picks in the dialog, or drops
    QTest::addColumn<QString>("read");    // the file read, "" for none
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("cancelled") << "dialog" << QString() << QString() << QStringList();
    for (const char* how : {"dialog", "status drop", "chart drop"}) {
      QTest::addRow("%s: refused name", how)
          << how << "@notes" << QString() << QStringList{"@File @notes cannot be processed!"};
      QTest::addRow("%s: another file", how) << how << "@second"
                                             << "@second" << QStringList();
      // The dialog shows each byte that is not UTF-8 as U+FFFD; a drop
      // carries it percent-encoded.
      QTest::addRow("%s: a name that is not UTF-8", how)
          << how << (how == QStringLiteral("dialog") ? "@lossy" : "@encoded") << "@foreign"
          << QStringList();
    }
    // Anything but one local file is refused, and changes nothing.
    const QStringList none;
    QTest::newRow("two files dropped") << "status drop"
                                       << "@second @notes" << QString() << none;
    QTest::newRow("a folder dropped") << "status drop"
                                      << "@dir" << QString() << none;
    QTest::newRow("an address dropped") << "status drop"
                                        << "https://x.org/a.CRV" << QString() << none;
    QTest::newRow("text dropped") << "status drop"
                                  << "" << QString() << none;
    QTest::newRow("a move only") << "status move"
                                 << "@second" << QString() << none;
  }

  void loadCommand() {
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QFETCH(QString, read);
    QFETCH(QStringList, messages);
    const auto resolve = [this](QString s) {
      return s.replace(QStringLiteral("@notes"), notes_)
          .replace(QStringLiteral("@second"), second_)
          .replace(QStringLiteral("@dir"), dir_.path())
          .replace(QStringLiteral("@foreign"), foreign_)
          .replace(QStringLiteral("@lossy"), dir_.path() + QStringLiteral(u"/bad\ufffd.CRV"))
          .replace(QStringLiteral("@encoded"), "file://" + dir_.path() + "/bad%E9.CRV")
          .replace(QStringLiteral("@File"), QStringLiteral("File"));
    };
    const bool changes = !read.isEmpty();
    FrmCURVE w;
    w.Form_Load(good_);
    w.show();
    const QString before = Snapshot(w);
    if (how == "dialog") {
      platform::CommonDialog::SetOpenHandler(
          [&](const platform::CommonDialog&) { return resolve(answer); });
      QTest::mouseClick(w.CmdLoad(), Qt::LeftButton);
    } else {
      QWidget* target = how == "chart drop" ? static_cast<QWidget*>(w.Chart())
                                            : w.TxtStatus().widget()->viewport();
      QList<QUrl> urls;
      for (const QString& part : resolve(answer).split(' ', Qt::SkipEmptyParts))
        urls << (part.startsWith('/') ? QUrl::fromLocalFile(part) : QUrl(part));
      QMimeData data;
      data.setUrls(urls);
      if (urls.isEmpty()) data.setText(second_);
      const auto actions = how == "status move" ? Qt::MoveAction : Qt::CopyAction | Qt::MoveAction;
      QCOMPARE(Drop(target, data, actions), changes || !messages.isEmpty());
      // The file is read once the drop has ended.
      QVERIFY(messages_.isEmpty() && !w.TxtStatus().Text().contains(QStringLiteral("car2")));
      QCoreApplication::processEvents();
    }
    for (QString& m : messages) m = resolve(m);
    QCOMPARE(messages_, messages);
    if (changes) {
      QCOMPARE(CURVEroutines::CurveFilePath, resolve(read));
      const QString name = platform::ShownFileName(CURVEroutines::FileNameOf(resolve(read)));
      QVERIFY(w.Chart()->MSChart1().TitleText().endsWith(name));
      QVERIFY(w.TxtStatus().Text().endsWith(QStringLiteral("Reading data from ") + name +
                                            QStringLiteral("\r\nSuccess!\r\n")));
    } else {
      QCOMPARE(Snapshot(w), before);
    }
  }

  void dialogIsSetUpAfresh() {
    QList<platform::CommonDialog> seen;
    platform::CommonDialog::SetOpenHandler([&](const platform::CommonDialog& d) {
      seen << d;
      return seen.size() == 1 ? notes_ : QString();
    });
    FrmCURVE w;
    w.Form_Load(QString());
    w.CmdLoad_Click();
    w.mnuFileLoad().action()->trigger();
    QCOMPARE(seen.size(), 2);
    for (const platform::CommonDialog& d : seen) {
      QCOMPARE(d.CancelError, false);
      QCOMPARE(d.DialogTitle, QStringLiteral("Select Calibration Curve File"));
      QCOMPARE(d.Flags, 4100);
      // No name is proposed, not even the one picked before.
      QCOMPARE(d.FileName, QString());
      QCOMPARE(d.Filter, QStringLiteral("Calibration Curve Files (*.CRV)|*.CRV"));
    }
  }

  void switchingLists() {
    FrmCURVE w;
    w.Form_Load(good_);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    platform::ListBox& dynamic = w.ListData(241);
    dynamic.SetListIndex(7);
    dynamic.SetSelected(3, true);
    const auto visible = [&w] {
      QList<int> codes;
      for (int16_t c = 240; c <= 247; ++c) {
        if (w.ListData(c).Visible()) codes << c;
      }
      return codes;
    };
    for (const int16_t code : {241, 247, 240, 246, 241}) {
      QTest::mouseClick(w.ListSelect(code).widget(), Qt::LeftButton, {}, QPoint(6, 8));
      QCOMPARE(visible(), QList<int>{code});
    }
    QCOMPARE(dynamic.ListIndex(), 7);
    QVERIFY(dynamic.Selected(3));
    // A read that fails leaves no list showing, the last one included.
    QTest::mouseClick(w.ListSelect(247).widget(), Qt::LeftButton, {}, QPoint(6, 8));
    CURVEroutines::ReadCurveFile(notes_);
    QCOMPARE(visible(), QList<int>{});
    // The next file's lists start without a current line.
    CURVEroutines::ReadCurveFile(second_);
    QTest::mouseClick(w.ListSelect(241).widget(), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(dynamic.ListIndex(), -1);
    QCOMPARE(dynamic.widget()->currentRow(), -1);
  }
};

QTEST_MAIN(MainLoad)
#include "tst_main_load.moc"
