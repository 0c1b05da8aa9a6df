// The main window's commands against real CRV files: start-up arguments,
// the load command, list choice, printing and quitting.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdio>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "chartwindow/ChartPlacement.h"
#include "mainwindow/FrmCURVE.h"
#include "platform/FileName.h"
#include "platform/MessageBox.h"
#include "platform/WindowPrinter.h"
#include "tests/calibration/CrvBuilder.h"

namespace {
// A complete file with elevation switches and a sample in every set.
QByteArray CompleteCrv(const QByteArray& firstLine) {
  CrvBuilder crv;
  crv.preamble = {firstLine};
  crv.trailer = {"ELEVUP,45%", "ELEVDOWN,47%",       "Loaded Up Samples", "10%,30100",
                 "50%,30500",  "Empty Up Samples",   "10%,10100",         "Loaded Down Samples",
                 "20%,1020",   "Empty Down Samples", "20%,9212"};
  return crv.Bytes();
}
}  // namespace

class MainCommands : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    good_ = WriteCrv(dir_, CompleteCrv("Car 1"), QStringLiteral("CAR1.CRV"));
    second_ = WriteCrv(dir_, CompleteCrv("Car 2"), QStringLiteral("car2.Crv"));
    blanks_ = WriteCrv(dir_, CompleteCrv("Car 3"), QStringLiteral("Lift Data/car 3.crv"));
    notes_ = WriteCrv(dir_, "not a curve\r\n", QStringLiteral("notes.txt"));
    // A name that is not UTF-8, written by its bytes.
    const QByteArray foreign = QFile::encodeName(dir_.path()) + "/bad\xe9.CRV";
    foreign_ = platform::DecodeFileName(foreign);
    FILE* file = std::fopen(foreign.constData(), "wb");
    const QByteArray crv = CompleteCrv("Car 4");
    QVERIFY(file && std::fwrite(crv.data(), 1, crv.size(), file) == std::size_t(crv.size()));
    std::fclose(file);
    // Relative names such as ".crv" are looked up here, where no such file is.
    QDir::setCurrent(dir_.path());
  }

  void init() {
    messages_.clear();
    previousHandler_ = platform::SetMessageHandler(
        [this](const QString& text, platform::MessageIcon) { messages_ << text; });
  }

  void cleanup() {
    platform::SetMessageHandler(previousHandler_);
    platform::CommonDialog::SetOpenHandler(nullptr);
    platform::SetPrintOutputFile(QString());
  }

  void startArguments_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("shows");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("readPath");  // CurveFilePath after a successful read

    const QString q = QStringLiteral("\"");
    QTest::newRow("no argument") << QString() << true << QStringList()
                                 << "LOAD a CRV file, to view it\r\n"
                                 << QString();
    QTest::newRow("quoted path with blanks, lower case")
        << q + blanks_ + q << true << QStringList()
        << "\r\nReading data from car 3.crv\r\nSuccess!\r\n"
        << blanks_;
    QTest::newRow("plain path") << good_ << true << QStringList()
                                << "\r\nReading data from CAR1.CRV\r\nSuccess!\r\n"
                                << good_;
    QTest::newRow("quote at the start only is kept")
        << q + good_ << true << QStringList{"Could not open " + q + good_}
        << "Could not open file!\r\n"
        << QString();
    QTest::newRow("quote at the end only is kept")
        << good_ + q << false << QStringList{"File " + good_ + q + " cannot be processed!"} << ""
        << QString();
    QTest::newRow(".CRV then a blank")
        << good_ + " " << false << QStringList{"File " + good_ + "  cannot be processed!"} << ""
        << QString();
    QTest::newRow("two double quotes")
        << q + q << false << QStringList{"File  cannot be processed!"} << "" << QString();
    QTest::newRow("a lone double quote")
        << q << false << QStringList{"File \" cannot be processed!"} << "" << QString();
    QTest::newRow(".crv alone is read")
        << ".crv" << true << QStringList{"Could not open .crv"} << "Could not open file!\r\n"
        << QString();
    QTest::newRow("notes.txt") << "notes.txt" << false
                               << QStringList{"File notes.txt cannot be processed!"} << ""
                               << QString();
    QTest::newRow("a name that is not UTF-8")
        << foreign_ << true << QStringList()
        << QStringLiteral(u"\r\nReading data from bad\ufffd.CRV\r\nSuccess!\r\n") << foreign_;
    QTest::newRow("two paths are one name")
        << notes_ + " " + good_ << true << QStringList{"Could not open " + notes_ + " " + good_}
        << "Could not open file!\r\n"
        << QString();
  }

  void startArguments() {
    QFETCH(QString, argument);
    QFETCH(bool, shows);
    QFETCH(QStringList, messages);
    QFETCH(QString, status);
    QFETCH(QString, readPath);
    CURVEroutines::CurveFilePath.clear();
    FrmCURVE w;
    w.TxtStatus().SetText(QStringLiteral("left from before"));
    const auto outcome = w.Form_Load(argument);
    QCOMPARE(outcome, shows ? FrmCURVE::StartOutcome::Show : FrmCURVE::StartOutcome::End);
    QCOMPARE(messages_, messages);
    QCOMPARE(w.TxtStatus().Text(), status);
    QCOMPARE(CURVEroutines::CurveFilePath, readPath);

    const bool read = !readPath.isEmpty();
    QCOMPARE(w.ChartLoaded(), read);
    QCOMPARE(w.mnuFilePrintChart().Enabled(), read);
    for (int16_t c = 240; c <= 247; ++c) {
      // After a read the Targets list alone is shown; otherwise none.
      QCOMPARE(w.ListData(c).Visible(), read && c == 240);
      QCOMPARE(w.ListSelect(c).Value(), read && c == 240);
      if (!read) QVERIFY(!w.ListSelect(c).Enabled());
    }
    if (read) {
      QVERIFY(w.Chart()->MSChart1().TitleText().endsWith(
          platform::ShownFileName(QFileInfo(readPath).fileName())));
    }
  }

  // A name holding a right-to-left override (U+202E) is set apart (U+2068 ...
  // U+2069) wherever the viewer puts it into a sentence, so the words and the
  // line number after it keep their order; the sentences stay as they are.
  void namesReadingTheOtherWay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("title");  // of the chart, after a read
    const QString rlo = QStringLiteral(u"\u202e");
    const auto set = [](const QString& name) {
      return QStringLiteral(u"\u2068") + name + QStringLiteral(u"\u2069");
    };
    WriteCrv(dir_, CompleteCrv("Car 5"), "car" + rlo + "5.CRV");
    CrvBuilder crv;
    crv.rows = 50;
    WriteCrv(dir_, crv.Bytes(), "early" + rlo + ".CRV");
    crv.trailer = {"50%,1,2,3,4,x"};
    WriteCrv(dir_, crv.Bytes(), "bad" + rlo + ".CRV");
    QTest::newRow("read, the name alone set apart")
        << "./car" + rlo + "5.CRV" << QStringList()
        << "\r\nReading data from " + set("car" + rlo + "5.CRV") + "\r\nSuccess!\r\n"
        << "QRV Load Calibration Chart for " + set("car" + rlo + "5.CRV");
    QTest::newRow("a problem at a line")
        << "bad" + rlo + ".CRV"
        << QStringList{"Problem with " + set("bad" + rlo + ".CRV") + " at line 54"}
        << "\r\nReading data from " + set("bad" + rlo + ".CRV") + "\r\nProblem at line 54!\r\n"
        << QString();
    QTest::newRow("ends early") << "early" + rlo + ".CRV"
                                << QStringList{"Could not fully process " +
                                               set("early" + rlo + ".CRV")}
                                << "\r\nReading data from " + set("early" + rlo + ".CRV") + "\r\n"
                                << QString();
    QTest::newRow("cannot open") << "gone" + rlo + ".CRV"
                                 << QStringList{"Could not open " + set("gone" + rlo + ".CRV")}
                                 << "Could not open file!\r\n"
                                 << QString();
    QTest::newRow("not a CRV name")
        << "notes" + rlo + ".txt"
        << QStringList{"File " + set("notes" + rlo + ".txt") + " cannot be processed!"} << ""
        << QString();
  }

  void namesReadingTheOtherWay() {
    QFETCH(QString, argument);
    QFETCH(QStringList, messages);
    QFETCH(QString, status);
    QFETCH(QString, title);
    FrmCURVE w;
    w.Form_Load(argument);
    QCOMPARE(messages_, messages);
    QCOMPARE(w.TxtStatus().Text(), status);
    QCOMPARE(w.ChartLoaded(), !title.isEmpty());
    if (w.ChartLoaded()) QCOMPARE(w.Chart()->MSChart1().TitleText(), title);
  }

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

  // Each load places the chart beside the main window as far as the screen
  // allows; moves after that are the user's, until the next load.
  void chartOpensBesideTheMainWindow() {
    FrmCURVE w;
    w.move(40, 30);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    CURVEroutines::CurveFilePath = QStringLiteral("/lift/CAR1.CRV");
    chartwindow::FramePlaces places = PlacesFrom(w);
    w.ShowChart();
    QVERIFY(QTest::qWaitForWindowExposed(w.Chart()));
    QTRY_COMPARE(w.frameGeometry(), places.main);
    QTRY_COMPARE(w.Chart()->frameGeometry(), places.chart);
    QCOMPARE(w.Chart()->size(), QSize(625, 502));
    QCOMPARE(w.Chart()->windowTitle(), QStringLiteral("QRVcalChart"));
    QCOMPARE(w.Chart()->MSChart1().TitleText(),
             QStringLiteral("QRV Load Calibration Chart for CAR1.CRV"));
    QVERIFY(!w.Chart()->isModal());
    QCOMPARE(w.Chart()->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    // Moved by the user, it stays when the main window moves...
    w.Chart()->move(300, 300);
    QTRY_COMPARE(w.Chart()->pos(), QPoint(300, 300));
    w.move(w.pos() + QPoint(20, 10));
    QTRY_COMPARE(w.pos(), places.main.topLeft() + QPoint(20, 10));
    QTest::qWait(50);
    QCOMPARE(w.Chart()->pos(), QPoint(300, 300));
    // ... and opens beside the main window again at the next load.
    places = PlacesFrom(w);
    w.UnloadChart();
    w.ShowChart();
    QTRY_COMPARE(w.Chart()->frameGeometry(), places.chart);
    QCOMPARE(w.frameGeometry(), places.main);
  }

  // Read at start-up, the chart comes up once the main window is on the
  // screen, placed by its frame; the main window keeps the keyboard.
  void chartAtStartUpComesUpBeside() {
    FrmCURVE w;
    w.move(40, 30);
    w.Form_Load(good_);
    QVERIFY(!w.Chart()->isVisible());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const chartwindow::FramePlaces places = PlacesFrom(w);
    QTRY_VERIFY(w.Chart()->isVisible());
    QTRY_COMPARE(w.Chart()->frameGeometry(), places.chart);
    QCOMPARE(w.frameGeometry(), places.main);
    QTRY_COMPARE(QApplication::activeWindow(), &w);
  }

  void printsRebuiltChartToPdf() {
    FrmCURVE w;
    w.Form_Load(good_);
    w.show();
    QTRY_VERIFY(w.ChartLoaded() && w.Chart()->isVisible());
    // The user closes the chart window: it is unloaded.
    w.Chart()->close();
    QVERIFY(!w.ChartLoaded());
    QVERIFY(w.mnuFilePrintChart().Enabled());

    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("chart.pdf"));
    platform::SetPrintOutputFile(pdf);
    w.mnuFilePrintChart().action()->trigger();
    QCOMPARE(messages_, QStringList());
    QVERIFY(QFileInfo(pdf).size() > 1000);
    // Rebuilt for the printout, and left hidden.
    QVERIFY(w.ChartLoaded());
    QVERIFY(!w.Chart()->isVisible());

    // The page holds the whole chart: its title, axis titles and legend as
    // text, every word within the page.
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished()) QSKIP("pdftotext (poppler-utils) reads the printout back");
    const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    const auto numbers = [&](const QString& tag) {
      QList<double> found;
      for (auto m = number.globalMatch(tag); m.hasNext();) found << m.next().captured().toDouble();
      return found;
    };
    const QList<double> size =
        numbers(page.section(QStringLiteral("<page "), 1).section('>', 0, 0));
    QStringList words;
    const QRegularExpression word(QStringLiteral("<word ([^>]*)>([^<]*)</word>"));
    for (auto m = word.globalMatch(page); m.hasNext();) {
      const auto match = m.next();
      const QList<double> box = numbers(match.captured(1));  // xMin yMin xMax yMax
      QVERIFY2(box[2] <= size[0] && box[3] <= size[1], qPrintable(match.captured(2)));
      words << match.captured(2);
    }
    const QString text = words.join(' ');
    for (const char* part :
         {"QRV Load Calibration Chart for CAR1.CRV", "Height (%)", "PRESSURE (V)", "Delta Down"}) {
      QVERIFY2(text.contains(QLatin1String(part)), part);
    }
  }

  void printWithoutPrinterSaysSo() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
    FrmCURVE w;
    w.Form_Load(good_);
    w.mnuFilePrintChart_Click();
    QCOMPARE(messages_,
             QStringList{"No default printer is set up: the chart was not printed.\n\n"
                         "Ctrl+C in the chart window copies the chart, to paste it into a "
                         "report; mirelda-crv chart FILE -o chart.pdf writes it to a file."});
    QVERIFY(w.ChartLoaded());
  }

  void quitClosesBothWindows_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Quit button") << "button";
    QTest::newRow("File, Quit") << "menu";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
  }

  void quitClosesBothWindows() {
    QFETCH(QString, how);
    FrmCURVE w;
    w.Form_Load(good_);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QPointer<FrmChart> chart = w.Chart();
    QTRY_VERIFY(chart && chart->isVisible());
    if (how == "button") QTest::mouseClick(w.cmdQuit(), Qt::LeftButton);
    if (how == "menu") w.mnuFileQuit().action()->trigger();
    if (how == "esc") QTest::keyClick(&w, Qt::Key_Escape);
    if (how == "close") w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(chart.isNull());
    // No window is left, so the program ends.
    for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY(!top->isVisible());
    QCOMPARE(messages_, QStringList());
  }

 private:
  // Where the rule puts both frames from the main window's frame now, on its
  // screen, with the chart framed like the main window.
  static chartwindow::FramePlaces PlacesFrom(FrmCURVE& w) {
    const QRect frame = w.frameGeometry();
    const QRect client = w.geometry();
    const QSize chart = QSize(625, 502) + (frame.size() - client.size());
    return chartwindow::PlaceChartBeside(w.screen()->availableGeometry(), frame, chart);
  }

  // Drags data over target and drops it there, as a file manager would;
  // whether the drag and the drop were taken, as a copy.
  static bool Drop(QWidget* target, const QMimeData& data, Qt::DropActions actions) {
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    const bool copied = drop.dropAction() == Qt::CopyAction;
    return enter.isAccepted() && drop.isAccepted() && copied;
  }

  // What a window shows, to tell that a command changed nothing.
  static QString Snapshot(FrmCURVE& w) {
    QString s = w.TxtStatus().Text() + QStringLiteral("|print=") +
                QString::number(w.mnuFilePrintChart().Enabled()) + QStringLiteral("|chart=") +
                (w.ChartLoaded() ? w.Chart()->MSChart1().TitleText() : QStringLiteral("none"));
    for (int16_t c = 240; c <= 247; ++c) {
      s += QStringLiteral("|%1:%2%3%4:%5")
               .arg(c)
               .arg(w.ListData(c).Visible())
               .arg(w.ListSelect(c).Enabled())
               .arg(w.ListSelect(c).Value())
               .arg(w.ListData(c).ListCount());
    }
    return s + QStringLiteral("|path=") + CURVEroutines::CurveFilePath;
  }

  QTemporaryDir dir_;
  QString good_;     // a complete file
  QString second_;   // another complete file
  QString blanks_;   // a complete file under a path with blanks, lower-case extension
  QString notes_;    // an existing file that is no CRV
  QString foreign_;  // a complete file whose name is not UTF-8
  QStringList messages_;
  platform::MessageHandler previousHandler_;
};

QTEST_MAIN(MainCommands)
#include "tst_main_commands.moc"
