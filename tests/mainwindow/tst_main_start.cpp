// The main window started with an argument: which file it loads, and the
// names it shows, also of names reading the other way.
#include <QFileInfo>
#include <QTest>

#include "tests/mainwindow/MainCommandsFixture.h"

class MainStart : public QObject, MainCommandsFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { Setup(); }
  void init() { Init(); }
  void cleanup() { Cleanup(); }

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
};

QTEST_MAIN(MainStart)
#include "tst_main_start.moc"
