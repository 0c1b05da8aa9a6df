// The status log: appending, line ends, the trim that keeps the newest
// lines, the caret, typed text; and the About text.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "mainwindow/FrmCURVE.h"
#include "mainwindow/StatusLog.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// Whole lines "<n>...." of the given width (line end included), numbered from 0.
QString Lines(int count, int width) {
  QString text;
  for (int i = 0; i < count; ++i) {
    const QString number = QString::number(i);
    text += number + QString(width - 2 - number.size(), QLatin1Char('.')) + kCrLf;
  }
  return text;
}
}  // namespace

class MainStatusLog : public QObject {
  Q_OBJECT

 private slots:
  void append_data() {
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("msg");
    QTest::addColumn<int>("newlineflag");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first line") << QString() << "Success!" << 1 << "Success!\r\n";
    QTest::newRow("empty message is an empty line") << "a\r\n"
                                                    << "" << 1 << "a\r\n\r\n";
    QTest::newRow("no line end") << "a\r\n"
                                 << "Reading" << 0 << "a\r\nReading";
    QTest::newRow("any flag but 0 ends the line") << ""
                                                  << "x" << -1 << "x\r\n";

    // 320 lines of 100 characters: exactly at the limit.
    const QString full = Lines(320, 100);
    QTest::newRow("at the limit, the oldest line goes")
        << full << "Could not open file!" << 1 << full.mid(100) + "Could not open file!\r\n";
    QTest::newRow("just fits") << full.left(full.size() - 100) << QString(98, 'm') << 1
                               << full.left(full.size() - 100) + QString(98, 'm') + kCrLf;
    QTest::newRow("one over drops one whole line")
        << full.left(full.size() - 100) << QString(99, 'm') << 1
        << full.mid(100, full.size() - 200) + QString(99, 'm') + kCrLf;
    QTest::newRow("long message drops as many lines as it needs")
        << full << QString(250, 'm') << 1 << full.mid(300) + QString(250, 'm') + kCrLf;
    QTest::newRow("message longer than the limit is kept whole")
        << "old\r\n"
        << QString(33000, 'm') << 1 << QString(33000, 'm') + kCrLf;
    // An unfinished last line joins the message; it goes only when all before it went.
    QTest::newRow("unfinished line before the message")
        << full.left(full.size() - 100) + "half" << QString(99, 'm') << 0
        << full.mid(100, full.size() - 200) + "half" + QString(99, 'm');
  }

  void append() {
    QFETCH(QString, log);
    QFETCH(QString, msg);
    QFETCH(int, newlineflag);
    QFETCH(QString, expected);
    const QString result = mainwindow::AppendToLog(log, msg, static_cast<int16_t>(newlineflag));
    QCOMPARE(result.size(), expected.size());
    QCOMPARE(result, expected);
  }

  // PrintMessage through the window; text the user typed stays and is trimmed like the rest.
  void printMessageKeepsTypedText() {
    FrmCURVE w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.PrintMessage(QStringLiteral("LOAD a CRV file, "), 0);
    w.PrintMessage(QStringLiteral("to view it"), 1);
    QPlainTextEdit* box = w.TxtStatus().widget();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("my note"));
    QTest::keyClick(box, Qt::Key_Return);
    w.PrintMessage(QStringLiteral("Success!"), 1);
    QCOMPARE(w.TxtStatus().Text(),
             QStringLiteral("LOAD a CRV file, to view it\r\nmy note\r\nSuccess!\r\n"));

    // Fill to the limit; the typed line goes when its turn comes, like any other.
    const QString filler = Lines(1, 100);
    while (w.TxtStatus().Text().size() + filler.size() <= mainwindow::kStatusLogLimit) {
      w.PrintMessage(filler.chopped(2), 1);
    }
    QCOMPARE(w.TxtStatus().Text().size(), 31948);
    w.PrintMessage(QString(60, 'z'), 1);
    const QString text = w.TxtStatus().Text();
    QVERIFY(text.startsWith(QStringLiteral("my note\r\nSuccess!\r\n")));
    QVERIFY(text.endsWith(QString(60, 'z') + kCrLf));
    QCOMPARE(text.size(), 31981);
    w.PrintMessage(QString(20, 'y'), 1);
    QVERIFY(w.TxtStatus().Text().startsWith(QStringLiteral("Success!\r\n")));
    QCOMPARE(w.TxtStatus().SelStart(), w.TxtStatus().Text().size());
    // The end of the log is in view.
    QVERIFY(box->verticalScrollBar()->value() > 0);
    QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
  }

  // Lines logged before the window shows (a file named at start-up) leave the
  // caret at the end, and the end in view once it shows.
  void linesLoggedBeforeShowing() {
    FrmCURVE w;
    for (int i = 0; i < 60; ++i) w.PrintMessage(QStringLiteral("line %1").arg(i), 1);
    QCOMPARE(w.TxtStatus().SelStart(), w.TxtStatus().Text().size());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QPlainTextEdit* box = w.TxtStatus().widget();
    QVERIFY(box->textCursor().atEnd());
    QVERIFY(box->verticalScrollBar()->value() > 0);
  }

  void aboutBox() {
    QStringList texts;
    QList<platform::MessageIcon> icons;
    const auto previous =
        platform::SetMessageHandler([&](const QString& t, platform::MessageIcon i) {
          texts << t;
          icons << i;
        });
    FrmCURVE w;
    w.mnuHelpAbout().action()->trigger();
    platform::SetMessageHandler(previous);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(icons, QList<platform::MessageIcon>{platform::MessageIcon::None});
    const QStringList lines = texts.first().split(kCrLf);
    QCOMPARE(lines,
             (QStringList{"Program: Mirelda V3.1 build 0", "", "", "", "More info: man mirelda"}));
  }
};

QTEST_MAIN(MainStatusLog)
#include "tst_main_statuslog.moc"
