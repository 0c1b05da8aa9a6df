// mirelda-crv as a user runs it: its lines, files and exit statuses.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "calibration/CURVEroutines.h"
#include "mainwindow/FrmCURVE.h"
#include "tests/calibration/CrvBuilder.h"

namespace {

struct Run {
  int status = -1;
  QStringList out;  // lines of standard output
  QString err;
};

// Runs mirelda-crv with args; words that start with "@" say how instead:
// "@NAME=VALUE" or "@-NAME" sets or removes an environment variable,
// "@stdout=FILE", "@fsize=BYTES" and "@memory=BYTES" (limits), and "@nobody"
// (an ordinary user, when the tests run as root).
Run Crv(QStringList args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  rlim_t limits[2] = {0, 0};
  QString program = QStringLiteral(MIRELDA_CRV);
  for (const QString& word : args) {
    const QString what = word.mid(1).section('=', 0, 0), value = word.section('=', 1);
    if (!word.startsWith('@')) continue;
    if (what == "stdout")
      p.setStandardOutputFile(value);
    else if (what == "fsize" || what == "memory")
      limits[what == "memory"] = value.toULongLong();
    else if (what == "nobody" && ::geteuid() == 0)
      program = "setpriv";
    else if (what.startsWith('-'))
      env.remove(what.mid(1));
    else
      env.insert(what, value);
  }
  args.removeIf([](const QString& word) { return word.startsWith('@'); });
  if (program == "setpriv")
    args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", MIRELDA_CRV} + args;
  p.setProcessEnvironment(env);
  p.setChildProcessModifier([limits] {
    for (const auto& [resource, bytes] :
         {std::pair(RLIMIT_FSIZE, limits[0]), std::pair(RLIMIT_AS, limits[1])}) {
      const rlimit value{bytes, bytes};
      if (bytes != 0) ::setrlimit(resource, &value);
    }
  });
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {};
  QString out = QString::fromUtf8(p.readAllStandardOutput());
  if (out.endsWith(QLatin1Char('\n'))) out.chop(1);
  return {p.exitCode(), out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n')),
          QString::fromUtf8(p.readAllStandardError())};
}

// A file named by its bytes, which need not be UTF-8.
void WriteRaw(const QByteArray& path, const QByteArray& bytes) {
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != bytes.size() || ::close(fd) != 0)
    qFatal("cannot write");
}

QString Example(const char* name) {
  return QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + QLatin1String(name);
}

// An example with one text replaced, written into dir.
QString Changed(const QTemporaryDir& dir, const char* example, const QByteArray& from,
                const QByteArray& to, const QString& name) {
  QFile file(Example(example));
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the example");
  const QByteArray bytes = file.readAll();
  if (!bytes.contains(from)) qFatal("the example has changed");
  return WriteCrv(dir, QByteArray(bytes).replace(from, to), name);
}

}  // namespace

class CliProgram : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    CrvBuilder good;
    good.trailer = {"Loaded Up Samples",   "10%,30100", "Empty Up Samples",   "10%,10100",
                    "Loaded Down Samples", "20%,1020",  "Empty Down Samples", "20%,9212"};
    WriteCrv(dir_, good.Bytes(), QStringLiteral("fleet/a-good.CRV"));
    CrvBuilder noTargets;
    WriteCrv(dir_, noTargets.Bytes(), QStringLiteral("fleet/b-untargeted.crv"));
    CrvBuilder badRow = good;
    badRow.rows = 50;
    badRow.trailer = {"50%,1,2,3,4,x"};
    WriteCrv(dir_, badRow.Bytes(), QStringLiteral("fleet/deeper/c-bad.Crv"));
    CrvBuilder early;
    early.rows = 30;
    early.trailer.clear();
    WriteCrv(dir_, early.Bytes(), QStringLiteral("fleet/deeper/d-early.CRV"));
    WriteCrv(dir_, "notes", QStringLiteral("fleet/notes.txt"));
    // A link back up would walk for ever if followed.
    QVERIFY(QFile::link(dir_.filePath("fleet"), dir_.filePath("fleet/deeper/up")));
    // Hidden entries, and names that break lines, colour the terminal or are not UTF-8.
    WriteCrv(dir_, good.Bytes(), QStringLiteral("odd/.hidden/in-hidden.CRV"));
    WriteCrv(dir_, good.Bytes(), QStringLiteral("odd/.dot.CRV"));
    // Loaded Up 0.10 V higher at 37 %; a pressure run reaching 3.05 V at 50 %.
    Changed(dir_, "strain-car1.CRV", "37%,19931,25786,", "37%,19931,27097,", "changed.CRV");
    Changed(dir_, "pressure-car2.CRV", "50%,20500,20750,", "50%,20500,40000,", "high.CRV");
    // Dynamic 8192 counts (0.625 V, a tie) higher at every height.
    QByteArray shifted = CrvBuilder().Bytes();
    for (int r = 0; r <= 100; ++r) {
      const QByteArray prefix = QByteArray::number(r) + "%,";
      shifted.replace(prefix + QByteArray::number(1000 + r) + ",",
                      prefix + QByteArray::number(9192 + r) + ",");
    }
    // Dynamic 8225 counts lower at every height: a mean of -0.6275 V.
    QByteArray lowered = CrvBuilder().Bytes();
    for (int r = 0; r <= 100; ++r) {
      const QByteArray prefix = QByteArray::number(r) + "%,";
      lowered.replace(prefix + QByteArray::number(1000 + r) + ",",
                      prefix + QByteArray::number(1000 + r - 8225) + ",");
    }
    WriteCrv(dir_, lowered, "lowered.CRV");
    WriteCrv(dir_, CrvBuilder().Bytes(), "base.CRV");
    WriteCrv(dir_, shifted, "shifted.CRV");
    QDir::setCurrent(dir_.path());
    WriteRaw("odd/bad\xe9.CRV", good.Bytes());
    WriteRaw("odd/esc\x1b[31m.CRV", good.Bytes());
    WriteRaw("odd/new\nline.CRV", badRow.Bytes());
    WriteRaw("odd/tab\t\\.CRV", good.Bytes());
    // Names beyond the BMP print as their characters; DEL and a bidi control are escaped.
    QDir().mkpath("names");
    WriteRaw("names/car \xf0\x9f\x9b\x97.CRV", good.Bytes());
    WriteRaw("names/\xf0\xa0\x80\x80.CRV", good.Bytes());
    WriteRaw("names/del\x7f.CRV", good.Bytes());
    WriteRaw("names/rlo\xe2\x80\xae.CRV", good.Bytes());
    // A refused field with a terminal code, long enough to be cut.
    CrvBuilder codes = badRow;
    codes.trailer = {"50%,1,2,3,4,\x1b[2J" + QByteArray(100, 'x')};
    WriteCrv(dir_, codes.Bytes(), QStringLiteral("fields/codes.CRV"));
    CrvBuilder seven = badRow;
    seven.trailer = {"50%,1,2,3,4,5,6,7"};
    WriteCrv(dir_, seven.Bytes(), QStringLiteral("fields/seven.CRV"));
    // Why a file has no header, and a blank told from a plus sign.
    const QByteArray header = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
    const QByteArray plain = CrvBuilder().Bytes();
    WriteCrv(dir_, QByteArray(plain).replace("\r\n", "\n"), "reasons/a-lf.CRV");
    QByteArray utf16 = "\xFF\xFE";
    for (const char c : plain) utf16 += QByteArray(1, c) + '\0';
    WriteCrv(dir_, utf16, "reasons/b-utf16.CRV");
    WriteCrv(dir_, QByteArray(plain).replace(header, QByteArray(header).replace(",", ", ")),
             "reasons/c-blanks.CRV");
    WriteCrv(dir_, QByteArray(plain).replace(header, header + ","), "reasons/d-comma.CRV");
    WriteCrv(dir_, QByteArray(plain).replace("\r\n5%,1005,", "\r\n5%,+1005,"),
             "reasons/e-plus.CRV");
    WriteCrv(dir_, QByteArray(plain).replace("\r\n5%,1005,", "\r\n5%,1005 ,"),
             "reasons/f-blank.CRV");
    WriteCrv(dir_, badRow.Bytes(), QStringLiteral(u"rtl/bidi\u202ebad.CRV"));
    // A folder an ordinary user may not read, for the test run as one.
    WriteCrv(dir_, good.Bytes(), QStringLiteral("closed/open.CRV"));
    WriteCrv(dir_, good.Bytes(), QStringLiteral("closed/shut/x.CRV"));
    QVERIFY(::chmod("closed/shut", 0) == 0 && ::chmod(".", 0755) == 0);
  }

  void cleanupTestCase() {
    // Qt removes only the names it can decode.
    ::unlink("odd/bad\xe9.CRV");
    ::chmod("closed/shut", 0700);
  }

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

  // The lists as the main window holds them after reading the same file.
  void listMatchesMainWindow_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("strain") << Example("strain-car1.CRV");
    QTest::newRow("pressure") << Example("pressure-car2.CRV");
    QTest::newRow("samples in every set") << dir_.filePath("fleet/a-good.CRV");
  }
  void listMatchesMainWindow() {
    QFETCH(QString, file);
    FrmCURVE w;
    w.Form_Load(file);
    QStringList expected;
    for (int16_t code = CURVEroutines::kFirstCode; code <= CURVEroutines::kLastCode; ++code) {
      if (code != CURVEroutines::kFirstCode) expected << QString();
      expected << "[" + CURVEroutines::CurveName(code) + "]";
      const platform::ListBox& list = w.ListData(code);
      for (int i = 0; i < list.ListCount(); ++i) {
        expected << list.List(i) + (list.Selected(i) ? " *" : "");
      }
    }
    QCOMPARE(Crv({"list", file}).out, expected);
    // One curve alone, named loosely.
    const QStringList emptyDown = Crv({"list", file, "empty-DOWN"}).out;
    QCOMPARE(emptyDown, expected.mid(expected.indexOf("[Empty Down]") + 1, 102));
  }

  void csvColumns() {
    const Run run = Crv({"list", "--csv", Example("pressure-car2.CRV")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.value(102), "");
    QCOMPARE(run.out[0],
             "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down,Delta Up,Delta Down,"
             "Dynamic (V),Loaded Up (V),Empty Up (V),Loaded Down (V),Empty Down (V),"
             "Delta Up (V),Delta Down (V)");
    // Each row: the file's readings, their differences, and the volts of the lists.
    const Run lists = Crv({"list", Example("pressure-car2.CRV")});
    for (int h = 0; h <= 100; ++h) {
      const QStringList cells = run.out[h + 1].split(',');
      QCOMPARE(cells.size(), 15);
      QCOMPARE(cells[0].toInt(), h);
      QCOMPARE(cells[6].toInt(), cells[2].toInt() - cells[3].toInt());
      QCOMPARE(cells[7].toInt(), cells[4].toInt() - cells[5].toInt());
      for (int16_t code = CURVEroutines::kDynamic; code <= CURVEroutines::kDeltaDown; ++code) {
        const int line = lists.out.indexOf("[" + CURVEroutines::CurveName(code) + "]") +
                         (code <= CURVEroutines::kEmptyDown ? 2 : 1) + h;
        const QString volts = lists.out[line].section('=', 1).remove(" *").chopped(1);
        QCOMPARE(cells[code - CURVEroutines::kDynamic + 8], volts);
      }
    }
  }

  // Below the curve table, which run it was, each block under its own header
  // row; a field with a comma or a quotation mark is quoted.
  void csvRun_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows");
    CrvBuilder quoted;
    quoted.preamble = {"Car \"B\", shaft 2", " padded", "tab\t"};
    quoted.trailer = {"ELEVDOWN,7%", "Empty Up Samples", "90%,-5", "10%,65536"};
    QTest::newRow("quotes, a comma, blanks, controls, no up switch")
        << WriteCrv(dir_, quoted.Bytes(), "quoted.CRV")
        << QStringList{"Line before the header",
                       "\"Car \"\"B\"\", shaft 2\"",
                       "\" padded\"",
                       "tab\\t",
                       "",
                       "Elevation switch,Height",
                       "Up,",
                       "Down,7",
                       "",
                       "Sample set,Height,Value,Volts",
                       "Empty Up Samples,10,65536,5.00",
                       "Empty Up Samples,90,-5,0.00"};
  }
  void csvRun() {
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    const Run run = Crv({"list", "--csv", file, "@LC_ALL=de_DE.UTF-8"});
    QCOMPARE(run.out.mid(103), rows);
  }

  // The lists keep the locale's decimal comma; the CSV keeps its point.
  // A tie goes to the even hundredth: the built file's Delta Down is -8192
  // counts, -0.625 V.
  void csvDecimalPoint() {
    const QString file = Example("strain-car1.CRV");
    QCOMPARE(Crv({"list", file, "Dynamic", "@LC_ALL=de_DE.UTF-8"}).out.value(1), "  0%=1,53V");
    QCOMPARE(Crv({"list", "--csv", file, "@LC_ALL=de_DE.UTF-8"}).out.value(1).split(',').size(),
             15);
    QCOMPARE(
        Crv({"list", "--csv", dir_.filePath("fleet/a-good.CRV")}).out.value(1).section(',', 14),
        "-0.62");
  }

  void chartFiles() {
    const QString strain = Example("strain-car1.CRV");
    QVERIFY(Crv({"chart", strain, "-o", "c.png"}).status == 0);
    QCOMPARE(QImage("c.png").size(), QSize(625, 502));
    // The chart fills a window of any size: its legend stands at the far right.
    QVERIFY(Crv({"chart", "--size=900x700", strain, "--output", "large.PNG"}).status == 0);
    const QImage large("large.PNG");
    QCOMPARE(large.size(), QSize(900, 700));
    bool drawnRight = false;
    for (int x = 700; x < 900; ++x) drawnRight |= large.pixel(x, 350) != large.pixel(0, 0);
    QVERIFY(drawnRight);

    QCOMPARE(Crv({"chart", Example("pressure-car2.CRV"), "-o", "c.pdf"}).status, 0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"c.pdf", "-"});
    if (!pdftotext.waitForFinished()) QSKIP("pdftotext (poppler-utils) reads the chart back");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* part :
         {"QRV Load Calibration Chart for pressure-car2.CRV", "Height (%)", "PRESSURE (V)"}) {
      QVERIFY2(text.contains(QLatin1String(part)), part);
    }
    QCOMPARE(Crv({"chart", strain, "-o", "c.svg"}).status, 0);
    QFile svg("c.svg");
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("STRAIN (mV)"));
  }

  // The lines before the header as they stand, then what the file holds.
  void info_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    const QString strain = Example("strain-car1.CRV");
    const QString pressure = Example("pressure-car2.CRV");
    const QString bad = Example("bad-row.CRV");
    // The file's own lines, set apart from what the program says.
    const auto indented = [](QStringList lines) {
      for (QString& line : lines) line.prepend("    ");
      return lines;
    };
    const QStringList strainRun = indented(
        {"Lift load weighing - calibration curves", "Installation: Harbour Street 12, car 1",
         "Sensor: strain gauge under car frame", "Run: 2026-11-14 09:42"});
    QTest::newRow("strain") << strain
                            << QStringList{"File: " + strain, "Lines before the header: 5"} +
                                   strainRun +
                                   QStringList{"",
                                               "Outcome: Success!",
                                               "Sensor kind: STRAIN, chart range 46 to 109 mV",
                                               "Elevation switch Up: 46%",
                                               "Elevation switch Down: 48%",
                                               "Loaded Up Samples: 5",
                                               "Empty Up Samples: 5",
                                               "Loaded Down Samples: 4",
                                               "Empty Down Samples: 4"}
                            << 0;
    QTest::newRow("pressure") << pressure
                              << QStringList{"File: " + pressure,
                                             "Lines before the header: 4",
                                             "    Lift load weighing - calibration curves",
                                             "    Installation: Mill Lane depot, car 2",
                                             "    Sensor: hydraulic pressure transducer",
                                             "    Run: 2026-11-15 14:05",
                                             "Outcome: Success!",
                                             "Sensor kind: PRESSURE, chart range 0 to 2.5 V",
                                             "Elevation switch Up: 52%",
                                             "Elevation switch Down: none",
                                             "Loaded Up Samples: 5",
                                             "Empty Up Samples: 0 INVALID!",
                                             "Loaded Down Samples: 3",
                                             "Empty Down Samples: 4"}
                              << 0;
    QTest::newRow("refused") << bad
                             << QStringList{"File: " + bad, "Lines before the header: 4"} +
                                    strainRun +
                                    QStringList{
                                        "Outcome: Problem at line 43: field 4 \"014772\": "
                                        "a leading zero"}
                             << 1;
    CrvBuilder odd;
    odd.preamble = {"tab\there C:\\data", QByteArray("bell\a, NUL \0, LF \n and Latin-1 \xE9", 32),
                    "UTF-8: M\xC3\xBCller", "Windows-1252: Wei\xDF \x96 12"};
    const QString oddFile = WriteCrv(dir_, odd.Bytes(), "odd.CRV");
    QByteArray lines;
    for (int n = 0; n < 40000; ++n) lines += "x\r\n";
    const QString huge = WriteCrv(dir_, lines, "huge.CRV");
    QTest::newRow("no header: the lines before it capped")
        << huge << QStringList{"File: " + huge, "Lines before the header: 32767", "    x"} << 1;
    QTest::newRow("control characters shown")
        << oddFile
        << QStringList{"File: " + oddFile,        "Lines before the header: 4",
                       "    tab\\there C:\\data", "    bell\\x07, NUL \\x00, LF \\n and Latin-1 é",
                       "    UTF-8: Müller",       "    Windows-1252: Weiß – 12",
                       "Outcome: Success!"}
        << 0;
  }
  void info() {
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    const Run run = Crv({"info", file});
    QCOMPARE(run.out.mid(0, lines.size()), lines);
    QCOMPARE(run.status, status);
  }

  // FILE minus REF per curve; --tolerance decides the status.
  void compare_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");  // found on standard error, where given
    const QString strain = Example("strain-car1.CRV");
    QStringList same;
    for (int16_t code = CURVEroutines::kDynamic; code <= CURVEroutines::kDeltaDown; ++code) {
      same << CURVEroutines::CurveName(code) + ": largest 0.00V (0 counts) at 0%, mean 0.00V";
    }
    QStringList changed = same;
    changed[1] = "Loaded Up: largest 0.10V (1311 counts) at 37%, mean 0.00V";
    changed[5] = "Delta Up: largest 0.10V (1311 counts) at 37%, mean 0.00V";
    QStringList back = changed;
    back[1].replace("0.10V (1311", "-0.10V (-1311");
    back[5].replace("0.10V (1311", "-0.10V (-1311");
    QTest::newRow("a file with itself")
        << QStringList{"compare", strain, strain} << same << 0 << QString();
    QTest::newRow("changed at one height")
        << QStringList{"compare", strain, "changed.CRV"} << changed << 0 << QString();
    QTest::newRow("the other way round")
        << QStringList{"compare", "changed.CRV", strain} << back << 0 << QString();
    QTest::newRow("tolerance below the change")
        << QStringList{"compare", "--tolerance", "0.09", strain, "changed.CRV"} << changed << 1
        << "beyond the tolerance of 0.09V: Loaded Up, Delta Up\n";
    QTest::newRow("tolerance at the change")
        << QStringList{"compare", strain, "changed.CRV", "--tolerance=0.1"} << changed << 0
        << QString();
    QTest::newRow("negative change beyond the tolerance")
        << QStringList{"compare", "changed.CRV", strain, "--tolerance", "0,05"} << back << 1
        << "beyond the tolerance of 0.05V: Loaded Up, Delta Up\n";
    // One decimal separator in all text, the locale's, as the viewer's lists.
    QStringList comma = back;
    for (QString& line : comma) line.replace('.', ',');
    QTest::newRow("a comma locale, on both outputs")
        << QStringList{"compare",     "changed.CRV", strain,
                       "--tolerance", "0.05",        "@LC_ALL=de_DE.UTF-8"}
        << comma << 1 << "beyond the tolerance of 0,05V: Loaded Up, Delta Up\n";
    const QStringList kinds = {"Dynamic: largest 0.14V (1844 counts) at 29%, mean 0.03V",
                               "Loaded Up: largest -0.93V (-12159 counts) at 0%, mean -0.38V",
                               "Empty Up: largest 0.61V (7962 counts) at 100%, mean 0.17V",
                               "Loaded Down: largest -0.85V (-11087 counts) at 0%, mean -0.30V",
                               "Empty Down: largest 0.66V (8670 counts) at 100%, mean 0.23V",
                               "Delta Up: largest -0.74V (-9719 counts) at 0%, mean -0.56V",
                               "Delta Down: largest -0.71V (-9351 counts) at 0%, mean -0.53V"};
    QTest::newRow("two sensor kinds")
        << QStringList{"compare", strain, Example("pressure-car2.CRV")} << kinds << 0
        << "strain-car1.CRV reads as STRAIN and " + Example("pressure-car2.CRV") +
               " as PRESSURE: they may not be runs of one sensor\n";
    QStringList tie = same;
    tie[0] = "Dynamic: largest 0.62V (8192 counts) at 0%, mean 0.62V";
    QTest::newRow("a tie at every height")
        << QStringList{"compare", "base.CRV", "shifted.CRV"} << tie << 0 << QString();
    QStringList lower = same;
    lower[0] = "Dynamic: largest -0.63V (-8225 counts) at 0%, mean -0.63V";
    QTest::newRow("a negative mean to the nearest")
        << QStringList{"compare", "base.CRV", "lowered.CRV"} << lower << 0 << QString();
    QTest::newRow("a file that does not read")
        << QStringList{"compare", strain, Example("ends-early.CRV")} << QStringList{} << 1
        << QString();
    QTest::newRow("csv") << QStringList{"compare", "--csv", strain, "changed.CRV"}
                         << QStringList{"Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down,"
                                        "Delta Up,Delta Down,Dynamic (V),Loaded Up (V),Empty Up "
                                        "(V),Loaded Down (V),Empty Down (V),Delta Up (V),Delta "
                                        "Down (V)"}
                         << 0 << QString();
  }
  void compare() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    QFETCH(QString, err);
    const Run run = Crv(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (!args.contains("--csv")) {
      QCOMPARE(run.out, lines);
      QCOMPARE(run.err.contains("Could not fully process"), lines.isEmpty());
      return;
    }
    QCOMPARE(run.out.size(), 102);
    QCOMPARE(run.out[0], lines[0]);
    for (int h = 0; h <= 100; ++h) {
      QCOMPARE(run.out[h + 1], h == 37 ? "37,0,1311,0,0,0,1311,0,0.00,0.10,0.00,0.00,0.00,0.10,0.00"
                                       : QString::number(h) +
                                             ",0,0,0,0,0,0,0,0.00,0.00,0.00,"
                                             "0.00,0.00,0.00,0.00");
    }
  }

  // The axes of the chart as its SVG describes them: one run alone, or the
  // range and sensor kind over both runs.
  void chartReference_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("axis");
    const QString strain = Example("strain-car1.CRV");
    QTest::newRow("alone") << QStringList{strain} << "STRAIN (mV) from 46 to 109";
    QTest::newRow("reference above")
        << QStringList{strain, "--reference", "high.CRV"} << "PRESSURE (V) from 0 to 3.5";
    QTest::newRow("file above") << QStringList{"high.CRV", "--reference", strain}
                                << "PRESSURE (V) from 0 to 3.5";
    QTest::newRow("with marks") << QStringList{"--marks", strain} << "STRAIN (mV) from 46 to 109";
  }
  void chartReference() {
    QFETCH(QStringList, args);
    QFETCH(QString, axis);
    QCOMPARE(Crv(QStringList{"chart", "-o", "r.svg"} + args).status, 0);
    QFile svg("r.svg");
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString drawn = QString::fromUtf8(svg.readAll());
    QVERIFY2(drawn.contains("; " + axis + "; series Dynamic, "), qPrintable(axis));
    QCOMPARE(drawn.contains("; reference "), args.contains("--reference"));
    // The switch heights' labels.
    QCOMPARE(drawn.contains(">Up<") && drawn.contains(">Down<"), args.contains("--marks"));
  }

  // The PNG's pixels at the sizes the options give, drawn without a display;
  // at any scale, text and lines keep their share of the picture, and lines
  // are smoothed into many shades of their colours as in the window.
  void chartImages_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("smallest") << QStringList{"--size=1x1"} << QSize(1, 1);
    QTest::newRow("widest") << QStringList{"--size=10000x1"} << QSize(10000, 1);
    // 1562.5 x 1255 pixels, the half to the even side.
    QTest::newRow("scale 1 given") << QStringList{"--scale=1"} << QSize(625, 502);
    QTest::newRow("scaled to exactly 10000")
        << QStringList{"--size=5000x20", "--scale=2"} << QSize(10000, 40);
    QTest::newRow("two and a half times finer") << QStringList{"--scale=2.5"} << QSize(1562, 1255);
    QTest::newRow("no display, no platform named")
        << QStringList{"@-DISPLAY", "@-WAYLAND_DISPLAY", "@-QT_QPA_PLATFORM"} << QSize(625, 502);
  }
  void chartImages() {
    QFETCH(QStringList, args);
    QFETCH(QSize, pixels);
    const QStringList chart{"chart", Example("strain-car1.CRV"), "-o"};
    QCOMPARE(Crv(chart + QStringList{"i.png"} + args).status, 0);
    const QImage image("i.png");
    QCOMPARE(image.size(), pixels);
    if (pixels.height() < 100) return;
    const auto ink = [](const QImage& picture, QSet<QRgb>& shades) {
      qsizetype dark = 0;
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
          const QRgb rgb = picture.pixel(x, y);
          dark += qGray(rgb) < 200;
          if (qRed(rgb) != qGreen(rgb) || qGreen(rgb) != qBlue(rgb)) shades.insert(rgb);
        }
      }
      return double(dark) / (picture.width() * picture.height());
    };
    QCOMPARE(Crv(chart + QStringList{"at-one.png"}).status, 0);
    QSet<QRgb> shades;
    const double share = ink(image, shades) / ink(QImage("at-one.png"), shades);
    QVERIFY2(std::abs(share - 1) < 0.2, qPrintable(QString::number(share)));
    QVERIFY2(shades.size() > 300, qPrintable(QString::number(shades.size())));
  }

  // The last -o counts; an extension in any letter case names the format.
  void outputNames() {
    const QString strain = Example("strain-car1.CRV");
    QCOMPARE(Crv({"chart", strain, "-o", "first.png", "-o", "second.png"}).status, 0);
    QVERIFY(!QFile::exists("first.png") && QImage("second.png").width() == 625);
    QCOMPARE(Crv({"report", strain, "-o", "SHEET.PDF"}).status, 0);
    QFile sheet("SHEET.PDF");
    QVERIFY(sheet.open(QIODevice::ReadOnly) && sheet.read(5) == "%PDF-");
  }

  // Failures leave no file behind, and print nothing as a result.
  void readFailures() {
    const Run list = Crv({"list", Example("ends-early.CRV")});
    QCOMPARE(list.status, 1);
    QCOMPARE(list.out, QStringList());
    QVERIFY(list.err.contains("Could not fully process"));
    const Run bad = Crv({"chart", Example("bad-row.CRV"), "-o", "bad.png"});
    QCOMPARE(bad.status, 1);
    QVERIFY(bad.err.contains("Problem at line 43"));
    QVERIFY(!QFile::exists("bad.png"));
    const Run unwritable = Crv({"chart", Example("strain-car1.CRV"), "-o", "no/such/dir/c.png"});
    QCOMPARE(unwritable.status, 1);
    QVERIFY(unwritable.err.contains("no/such/dir/c.png"));
    QVERIFY(QDir("no").isEmpty() || !QDir("no").exists());
  }

  // What stands at the output name ("link:" one to it), and why the chart
  // may not replace it, or no reason when it does: a refused or failed write
  // touches nothing and leaves nothing behind.
  void chartOutputs_data() {
    QTest::addColumn<QStringList>("setup");  // what stands there, the name, more arguments
    QTest::addColumn<QString>("reason");
    const QString special = "it is a device, FIFO or socket, not a regular file";
    const QString link = "it is a symbolic link; give the name of the file itself";
    const QString readOnly = "the file is read-only";
    for (const char* out : {"full.svg", "full.png", "full.pdf"}) {
      QTest::addRow("file size limit: %s", out)
          << QStringList{"old", out, "@fsize=4096"} << QString::fromLocal8Bit(std::strerror(EFBIG));
    }
    QTest::newRow("no memory to draw")
        << QStringList{"", "big.png", "@memory=314572800", "--size=10000x10000"}
        << "not enough memory for an image of this size";
    QTest::newRow("fifo") << QStringList{"fifo", "f.png"} << special;
    QTest::newRow("device") << QStringList{"device", "d.svg"} << special;
    QTest::newRow("link to a device") << QStringList{"link:device", "ld.png"} << link;
    QTest::newRow("link to a file") << QStringList{"link:old", "lo.png"} << link;
    QTest::newRow("directory") << QStringList{"dir", "dir.pdf"}
                               << QString::fromLocal8Bit(std::strerror(EISDIR));
    QTest::newRow("read-only") << QStringList{"read-only", "ro.png"} << readOnly;
    QTest::newRow("read-only, ordinary user")
        << QStringList{"read-only", "ro.png", "@nobody"} << readOnly;
    QTest::newRow("replaced, permissions kept") << QStringList{"old", "kept.svg"} << "";
    // A calibration sheet is written the same way.
    QTest::newRow("sheet, file size limit")
        << QStringList{"old", "sheet.pdf", "@report", "@fsize=4096"}
        << QString::fromLocal8Bit(std::strerror(EFBIG));
    QTest::newRow("sheet, link to a device")
        << QStringList{"link:device", "ls.pdf", "@report"} << link;
  }
  void chartOutputs() {
    QFETCH(QStringList, setup);
    QFETCH(QString, reason);
    if (setup.contains("@memory=314572800") && qEnvironmentVariableIsSet("ASAN_OPTIONS"))
      QSKIP("the sanitizer needs more address space");
    // A folder anyone may write to, so that only the program's own checks refuse.
    QTemporaryDir folder(dir_.filePath("out-XXXXXX"));
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
    const QString out = folder.filePath(setup[1]), kind = setup[0].section(':', -1);
    const QByteArray path = QFile::encodeName(out);
    const QByteArray target = setup[0] != kind ? QFile::encodeName(folder.filePath("t")) : path;
    if (kind == "device" && ::mknod(target, S_IFCHR | 0666, makedev(1, 3)) != 0)
      QSKIP("a device node is made only by root");
    if (kind == "old" || kind == "read-only") {
      WriteRaw(target, "old");
      ::chmod(target, kind == "read-only" ? 0444 : 0640);
    }
    if (kind == "fifo") QCOMPARE(::mkfifo(target, 0666), 0);
    if (kind == "dir") QCOMPARE(::mkdir(target, 0777), 0);
    if (target != path) QCOMPARE(::symlink("t", path), 0);
    const auto entries = [&] {
      return QDir(folder.path())
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    const QStringList was = entries();
    struct stat before[2] = {}, after[2] = {};
    ::lstat(path, &before[0]), ::lstat(target, &before[1]);

    QStringList more = setup.mid(2);
    const QString command = more.removeAll("@report") > 0 ? "report" : "chart";
    const Run run = Crv(QStringList{command, Example("strain-car1.CRV"), "-o", out} + more);
    QCOMPARE(run.err,
             reason.isEmpty() ? "" : "mirelda-crv: cannot write " + out + ": " + reason + "\n");
    QCOMPARE(run.status, reason.isEmpty() ? 0 : 1);
    // Nothing left behind; a refused or failed file is the very same, untouched.
    QCOMPARE(entries(), was.isEmpty() && reason.isEmpty() ? QStringList{setup[1]} : was);
    ::lstat(path, &after[0]), ::lstat(target, &after[1]);
    for (int i = 0; i < 2; ++i) {
      QCOMPARE(after[i].st_mode, before[i].st_mode);
      QCOMPARE(after[i].st_size == before[i].st_size && after[i].st_ino == before[i].st_ino,
               !reason.isEmpty());
    }
  }

  void usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    const QString file = Example("strain-car1.CRV");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"show", file};
    QTest::newRow("unknown option") << QStringList{"check", "--fast", file};
    QTest::newRow("check without a file") << QStringList{"check", "-q"};
    QTest::newRow("list of two files and a curve") << QStringList{"list", file, file, "Dynamic"};
    QTest::newRow("unknown curve") << QStringList{"list", file, "Loaded Sideways"};
    QTest::newRow("csv with a curve") << QStringList{"list", "--csv", file, "Dynamic"};
    QTest::newRow("recursive with list") << QStringList{"list", "-r", file};
    QTest::newRow("csv with check") << QStringList{"check", "--csv", file};
    QTest::newRow("csv with chart") << QStringList{"chart", file, "--csv", "-o", "c.png"};
    QTest::newRow("output with list") << QStringList{"list", file, "-o", "c.png"};
    QTest::newRow("chart without -o") << QStringList{"chart", file};
    QTest::newRow("-o without a name") << QStringList{"chart", file, "-o"};
    QTest::newRow("unknown picture type") << QStringList{"chart", file, "-o", "c.jpg"};
    QTest::newRow("size of nothing") << QStringList{"chart", file, "-o", "c.png", "--size=0x10"};
    QTest::newRow("info of two files") << QStringList{"info", file, file};
    QTest::newRow("compare of one file") << QStringList{"compare", file};
    QTest::newRow("tolerance with check") << QStringList{"check", "--tolerance", "1", file};
    QTest::newRow("negative tolerance") << QStringList{"compare", file, file, "--tolerance=-1"};
    QTest::newRow("tolerance with exponent")
        << QStringList{"compare", file, file, "--tolerance=1e3"};
    QTest::newRow("report without -o") << QStringList{"report", file};
    QTest::newRow("report as a picture") << QStringList{"report", file, "-o", "c.jpg"};
    QTest::newRow("marks with report") << QStringList{"report", file, "-o", "s.pdf", "--marks"};
    QTest::newRow("tolerance without a reference")
        << QStringList{"report", file, "-o", "s.pdf", "--tolerance", "0.1"};
    QTest::newRow("issued not a date")
        << QStringList{"report", file, "-o", "s.pdf", "--issued", "2026-02-30"};
    QTest::newRow("site with chart") << QStringList{"chart", file, "-o", "c.png", "--site", "X"};
    QTest::newRow("reference with list") << QStringList{"list", file, "--reference", file};
    QTest::newRow("size too large")
        << QStringList{"chart", file, "-o", "c.png", "--size", "99999x2"};
    QTest::newRow("size one too large")
        << QStringList{"chart", file, "-o", "c.png", "--size", "5x10001"};
    for (const char* scale : {"0.99", "4.01", "1e0", "2,5"}) {
      QTest::addRow("scale %s", scale)
          << QStringList{"chart", file, "-o", "c.png", "--scale", scale};
    }
    QTest::newRow("scaled past the largest side")
        << QStringList{"chart", file, "-o", "c.png", "--size=2501x10", "--scale=4"};
    QTest::newRow("scale of a drawing")
        << QStringList{"chart", file, "-o", "scaled.svg", "--scale=2"};
    QTest::newRow("scale with check") << QStringList{"check", file, "--scale=2"};
  }
  void usageErrors() {
    QFETCH(QStringList, args);
    const Run run = Crv(args);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QStringList());
    QVERIFY(run.err.startsWith("mirelda-crv: "));
    QVERIFY(!QFile::exists("c.jpg") && !QFile::exists("scaled.svg"));
  }

  void helpVersionAndLostOutput() {
    // Help wins over anything on the line, then the version.
    for (const QStringList& args : {QStringList{"check", "--help"},
                                    {"--version", "--help"},
                                    {"--help", "--version"},
                                    {"--version", "help"},
                                    {"--fast", "-h", "--version"}}) {
      const Run help = Crv(args);
      QCOMPARE(help.status, 0);
      QVERIFY2(help.out.value(0).startsWith("Usage: mirelda-crv check"),
               qPrintable(args.join(' ')));
    }
    QCOMPARE(Crv({"--size=0x0", "--version", "bogus"}).status, 0);
    QCOMPARE(Crv({"--version"}).out, QStringList{"mirelda-crv (Mirelda) 3.1 build 0"});
    // Output that cannot be written is no success.
    const Run lost = Crv({"--version", "@stdout=/dev/full"});
    QCOMPARE(lost.status, 1);
    QVERIFY(lost.err.startsWith("mirelda-crv: "));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliProgram)
#include "tst_cli_program.moc"
