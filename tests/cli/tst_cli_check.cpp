// mirelda-crv check: its lines, as text and as JSON, and exit statuses.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "tests/cli/CliRun.h"

class CliCheck : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WriteCliFiles(dir_); }
  void cleanupTestCase() { RemoveCliFiles(); }

  // Arguments, then the expected lines of standard output and exit status.
  void check_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("summary");  // on standard error; none when quiet
    const QString invalid = QStringLiteral(
        " Loaded Up Samples INVALID! Empty Up Samples INVALID! Loaded Down Samples INVALID!"
        " Empty Down Samples INVALID!");
    const QStringList all = {
        "fleet/a-good.CRV: Success!", "fleet/b-untargeted.crv: Success!" + invalid,
        "fleet/deeper/c-bad.Crv: Problem at line 54: field 6 \"x\": not a whole number",
        "fleet/deeper/d-early.CRV: Could not fully process: the file ends before the row of 30%"};
    QTest::newRow("good files") << QStringList{"check", "fleet/a-good.CRV",
                                               "fleet/b-untargeted.crv"}
                                << all.mid(0, 2) << 0 << "2 files: 2 read, 0 refused";
    QTest::newRow("a bad file stops no other")
        << QStringList{"check", "fleet/deeper/c-bad.Crv", "missing.CRV", "fleet/a-good.CRV"}
        << QStringList{all[2], "missing.CRV: Could not open file: No such file or directory",
                       all[0]}
        << 1 << "3 files: 1 read, 2 refused";
    QTest::newRow("recursive walks for CRV in any case, sorted")
        << QStringList{"check", "-r", "fleet"} << all << 1 << "4 files: 2 read, 2 refused";
    QTest::newRow("quiet prints failures only")
        << QStringList{"check", "fleet", "--quiet", "--recursive"} << all.mid(2) << 1 << "";
    QTest::newRow("short options combined")
        << QStringList{"check", "-qr", "fleet"} << all.mid(2) << 1 << "";
    QTest::newRow("a directory needs --recursive")
        << QStringList{"check", "fleet", "fleet/a-good.CRV"}
        << QStringList{"fleet: is a folder (use --recursive)", all[0]} << 1
        << "1 file: 1 read, 0 refused, 1 folder not checked";
    QTest::newRow("after -- a name is a file")
        << QStringList{"check", "--", "-q.CRV"}
        << QStringList{"-q.CRV: Could not open file: No such file or directory"} << 1
        << "1 file: 0 read, 1 refused";
    QTest::newRow("a name the viewer refuses")
        << QStringList{"check", "fleet/notes.txt"}
        << QStringList{"fleet/notes.txt: the name does not end in .CRV"} << 1
        << "1 file: 0 read, 1 refused";
    QTest::newRow("hidden entries, names on one line and by their bytes")
        << QStringList{"check", "-r", "odd"}
        << QStringList{"odd/.dot.CRV: Success!",
                       "odd/.hidden/in-hidden.CRV: Success!",
                       R"(odd/bad\xe9.CRV: Success!)",
                       R"(odd/esc\x1b[31m.CRV: Success!)",
                       R"(odd/new\nline.CRV: Problem at line 54: field 6 "x": not a whole number)",
                       R"(odd/tab\t\\.CRV: Success!)"}
        << 1 << "6 files: 5 read, 1 refused";
    QTest::newRow("names beyond the BMP, DEL and bidi controls")
        << QStringList{"check", "-r", "names"}
        << QStringList{"names/car 🛗.CRV: Success!", R"(names/del\x7f.CRV: Success!)",
                       R"(names/rlo\u202e.CRV: Success!)", "names/𠀀.CRV: Success!"}
        << 0 << "4 files: 4 read, 0 refused";
    QTest::newRow("a refused field: terminal codes escaped, a long one cut")
        << QStringList{"check", "fields/codes.CRV"}
        << QStringList{"fields/codes.CRV: Problem at line 54: field 6 "
                       "\"\\x1b[2J" + QString(76, 'x') + "...\": not a whole number"}
        << 1 << "1 file: 0 read, 1 refused";
    QTest::newRow("a row of seven values")
        << QStringList{"check", "fields/seven.CRV"}
        << QStringList{"fields/seven.CRV: Problem at line 54: field 7 "
                       "\"6\": too many fields"}
        << 1 << "1 file: 0 read, 1 refused";
    const QString process = "Could not fully process: no header line: ";
    QTest::newRow("reasons that name the fault")
        << QStringList{"check", "-r", "reasons"}
        << QStringList{"reasons/a-lf.CRV: " + process +
                           "lines end in LF only, where a line ends at CR or CR LF",
                       "reasons/b-utf16.CRV: " + process +
                           "the file is UTF-16 text, not ASCII (save it as ASCII or UTF-8)",
                       "reasons/c-blanks.CRV: " + process +
                           "line 3 has blanks (the header is Height,Dynamic,Loaded Up,Empty "
                           "Up,Loaded "
                           "Down,Empty Down)",
                       "reasons/d-comma.CRV: " + process +
                           "line 3 has a trailing comma (the header is Height,Dynamic,Loaded "
                           "Up,Empty "
                           "Up,Loaded Down,Empty Down)",
                       "reasons/e-plus.CRV: Problem at line 9: field 2 \"+1005\": a plus sign",
                       "reasons/f-blank.CRV: Problem at line 9: field 2 \"1005 \": a blank"}
        << 1 << "6 files: 0 read, 6 refused";
    // Printed as it always was: the name is not set apart as in the viewer.
    QTest::newRow("a name that reads the other way")
        << QStringList{"check", "-r", "rtl"}
        << QStringList{R"(rtl/bidi\u202ebad.CRV: Problem at line 54: field 6 "x": not a whole number)"}
        << 1 << "1 file: 0 read, 1 refused";
    QTest::newRow("as an ordinary user, unreadable folders fail")
        << QStringList{"@nobody", "check", "-r", "closed"}
        << QStringList{"closed/open.CRV: Success!", "closed/shut: Could not read directory!"} << 1
        << "1 file: 1 read, 0 refused, 1 folder not checked";
    QTest::newRow("the examples")
        << QStringList{"check", Example("pressure-car2.CRV"), Example("bad-row.CRV")}
        << QStringList{Example("pressure-car2.CRV") + ": Success! Empty Up Samples INVALID!",
                       Example("bad-row.CRV") +
                           ": Problem at line 43: field 4 \"014772\": a leading zero"}
        << 1 << "2 files: 1 read, 1 refused";
  }
  void check() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    QFETCH(QString, summary);
    if (args.contains("@nobody") && QStandardPaths::findExecutable("setpriv").isEmpty())
      QSKIP("setpriv (util-linux) runs mirelda-crv as an ordinary user");
    const Run run = Crv(args);
    QCOMPARE(run.out, lines);
    QCOMPARE(run.status, status);
    const QString lastError = run.err.trimmed().section(QLatin1Char('\n'), -1);
    QCOMPARE(lastError.contains(" refused"), !summary.isEmpty());
    if (!summary.isEmpty()) QCOMPARE(lastError, summary);
  }

  // --json: one object per file and line, read back by a JSON parser. Each
  // expected object gives the keys to compare; every line has the eight
  // keys scripts rely on.
  void json_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QList<QJsonObject>>("objects");
    QTest::addColumn<int>("status");
    const QJsonValue none = QJsonValue::Null;
    const QString bad = Example("bad-row.CRV");
    const QJsonObject good{{"name", Example("strain-car1.CRV")},
                           {"outcome", "read"},
                           {"line", none},
                           {"rule", none},
                           {"warnings", QJsonArray()}};
    const QJsonObject refused{{"name", bad},
                              {"outcome", "problem"},
                              {"line", 43},
                              {"field", 4},
                              {"text", "014772"},
                              {"rule", "leading-zero"},
                              {"reason", "a leading zero"}};
    const QJsonObject unopened{{"name", "missing.CRV"},
                               {"outcome", "could-not-open"},
                               {"line", none},
                               {"reason", "No such file or directory"}};
    QTest::newRow("a good, a refused and an unopenable file")
        << QStringList{"check", "--json", Example("strain-car1.CRV"), bad, "missing.CRV"}
        << QList<QJsonObject>{good, refused, unopened} << 1;
    QTest::newRow("warnings, a name, a folder, an early end")
        << QStringList{"check",           "--json", Example("pressure-car2.CRV"),
                       "fleet/notes.txt", "fleet",  Example("ends-early.CRV")}
        << QList<QJsonObject>{{{"outcome", "read"},
                               {"warnings", QJsonArray{"Empty Up Samples INVALID!"}}},
                              {{"outcome", "not-crv"}, {"reason", "the name does not end in .CRV"}},
                              {{"name", "fleet"}, {"outcome", "folder"}},
                              {{"outcome", "unfinished"},
                               {"rule", "ends-before-row"},
                               {"reason", "the file ends before the row of 63%"}}}
        << 1;
    QTest::newRow("names as they are, bidi controls escaped in the line")
        << QStringList{"check", "--json", "odd/new\nline.CRV", "names/rlo\u202e.CRV"}
        << QList<QJsonObject>{{{"name", "odd/new\nline.CRV"}, {"rule", "not-whole-number"}},
                              {{"name", "names/rlo\u202e.CRV"}, {"outcome", "read"}}}
        << 1;
    QTest::newRow("info of a good file")
        << QStringList{"info", "--json", Example("pressure-car2.CRV")}
        << QList<QJsonObject>{{{"outcome", "read"},
                               {"preamble", QJsonArray{"Lift load weighing - calibration curves",
                                                       "Installation: Mill Lane depot, car 2",
                                                       "Sensor: hydraulic pressure transducer",
                                                       "Run: 2026-11-15 14:05"}},
                               {"sensor", QJsonObject{{"kind", "PRESSURE"},
                                                      {"minimum", 0},
                                                      {"maximum", 2.5},
                                                      {"unit", "V"}}},
                               {"switches", QJsonObject{{"up", 52}, {"down", none}}},
                               {"warnings", QJsonArray{"Empty Up Samples INVALID!"}}}}
        << 0;
    QTest::newRow("info of a refused file")
        << QStringList{"info", "--json", bad}
        << QList<QJsonObject>{{{"outcome", "problem"}, {"line", 43}, {"rule", "leading-zero"}}}
        << 1;
    QTest::newRow("info of a file that cannot be opened")
        << QStringList{"info", "--json", "missing.CRV"}
        << QList<QJsonObject>{{{"outcome", "could-not-open"}, {"preamble", QJsonArray()}}} << 1;
  }
  void json() {
    QFETCH(QStringList, args);
    QFETCH(QList<QJsonObject>, objects);
    QFETCH(int, status);
    const Run run = Crv(args);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out.size(), objects.size());
    for (qsizetype i = 0; i < objects.size(); ++i) {
      QVERIFY2(!run.out[i].contains(QChar(0x202E)), qPrintable(run.out[i]));
      QJsonParseError error;
      const QJsonDocument line = QJsonDocument::fromJson(run.out[i].toUtf8(), &error);
      QVERIFY2(line.isObject(), qPrintable(error.errorString()));
      const QJsonObject got = line.object();
      for (const char* key : {"name", "outcome", "line", "field", "text", "rule", "reason"})
        QVERIFY2(got.contains(key), key);
      QVERIFY(got.value("warnings").isArray());
      for (auto it = objects[i].begin(); it != objects[i].end(); ++it)
        QCOMPARE(got.value(it.key()), it.value());
      if (args.contains("info") && got.value("outcome") == "read") {
        QCOMPARE(got.value("samples").toObject().value("Loaded Up Samples").toArray().size(), 5);
        QCOMPARE(got.value("samples").toObject().value("Empty Up Samples").toArray().size(), 0);
      }
    }
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliCheck)
#include "tst_cli_check.moc"
