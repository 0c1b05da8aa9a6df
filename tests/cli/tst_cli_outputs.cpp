// Output files of mirelda-crv, whatever stops it: stopped by a signal at a
// chosen moment of the write (a preloaded library raises it), on a system
// without unnamed files, and never over a file it reads.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

struct Ended {
  bool killed = false;  // by a signal
  int status = -1;
  QString err;
  QString out;
};

// mirelda-crv run in folder with args; words that start with "@" say how:
// "@NAME=VALUE" for the environment, "@ignore-int" (SIGINT ignored, as
// under nohup or in a background job) and "@fsize=BYTES" (a limit).
Ended Crv(QStringList args, const QString& folder) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LD_PRELOAD", STOP_SHIM);
  env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
  bool ignoreInt = false;
  rlim_t fsize = 0;
  for (const QString& word : args) {
    if (word == "@ignore-int") ignoreInt = true;
    if (word.startsWith("@fsize=")) fsize = word.section('=', 1).toULongLong();
    if (word.startsWith("@SHIM_")) env.insert(word.mid(1).section('=', 0, 0), word.section('=', 1));
  }
  args.removeIf([](const QString& word) { return word.startsWith('@'); });
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(folder);
  p.setChildProcessModifier([ignoreInt, fsize] {
    if (ignoreInt) std::signal(SIGINT, SIG_IGN);
    const rlimit limit{fsize, fsize};
    if (fsize != 0) ::setrlimit(RLIMIT_FSIZE, &limit);
  });
  p.start(QStringLiteral(MIRELDA_CRV), args);
  if (!p.waitForFinished(60000)) return {};
  return {p.exitStatus() == QProcess::CrashExit, p.exitCode(),
          QString::fromUtf8(p.readAllStandardError()),
          QString::fromUtf8(p.readAllStandardOutput())};
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
}

QString Example(const char* name) {
  return QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + QLatin1String(name);
}

constexpr int kKilled = -1;

}  // namespace

class CliOutputs : public QObject {
  Q_OBJECT

 private slots:
  // The chart written over an old file ("old") or a new name (""), stopped
  // or not: the old file whole or the new one, and nothing else, ever.
  void stopped_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("how");
    QTest::addColumn<QString>("left");  // "old", "new" or "" (no file)
    QTest::addColumn<int>("status");    // or kKilled
    const QString noUnnamed = "@SHIM_NO_TMPFILE=1", noLink = "@SHIM_NO_LINK=1";
    const auto at = [](const char* point, int signal) {
      return QStringLiteral("@SHIM_STOP=%1:%2").arg(QLatin1String(point)).arg(signal);
    };
    QTest::newRow("a new name") << "" << QStringList{} << "new" << 0;
    QTest::newRow("a new bare name, in its folder") << "" << QStringList{"@bare"} << "new" << 0;
    QTest::newRow("replaced: owner and mode kept") << "old" << QStringList{} << "new" << 0;
    // Unnamed while written: not even KILL leaves anything.
    QTest::newRow("KILL during the write")
        << "old" << QStringList{at("write", SIGKILL)} << "old" << kKilled;
    QTest::newRow("TERM just after the link")
        << "old" << QStringList{at("link", SIGTERM)} << "old" << kKilled;
    QTest::newRow("INT at the rename: it ends after it")
        << "old" << QStringList{at("rename", SIGINT)} << "new" << kKilled;
    // Where the file system has no unnamed files, or they cannot be linked.
    QTest::newRow("no unnamed files") << "old" << QStringList{noUnnamed} << "new" << 0;
    QTest::newRow("unnamed files not linked") << "old" << QStringList{noLink} << "new" << 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
      QTest::addRow("no unnamed files, %s during the write", strsignal(signal))
          << "old" << QStringList{noUnnamed, at("write", signal)} << "old" << kKilled;
    }
    QTest::newRow("no unnamed files, INT ignored by the caller")
        << "old" << QStringList{noUnnamed, at("write", SIGINT), "@ignore-int"} << "new" << 0;
    QTest::newRow("no unnamed files, file size limit")
        << "old" << QStringList{noUnnamed, "@fsize=4096"} << "old" << 1;
  }
  void stopped() {
    QFETCH(QString, setup);
    QFETCH(QStringList, how);
    QFETCH(QString, left);
    QFETCH(int, status);
    QTemporaryDir folder, elsewhere;
    const QString out = folder.filePath("chart.png"), log = elsewhere.filePath("log");
    struct stat before {
    }, after{};
    if (!setup.isEmpty()) {
      Write(out, "old");
      // Owned by someone else where the tests run as root.
      [[maybe_unused]] const int ignored = ::chown(QFile::encodeName(out), 65534, 65534);
      QCOMPARE(::chmod(QFile::encodeName(out), 0640), 0);
      ::stat(QFile::encodeName(out), &before);
    }
    const bool bare = how.removeAll("@bare") > 0;
    const Ended run = Crv(how + QStringList{"@SHIM_LOG=" + log, "chart", Example("strain-car1.CRV"),
                                            "-o", bare ? "chart.png" : out},
                          bare ? folder.path() : elsewhere.path());
    QCOMPARE(run.killed, status == kKilled);
    if (status != kKilled) QCOMPARE(run.status, status);
    QCOMPARE(run.err.isEmpty(), status != 1);

    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             left.isEmpty() ? QStringList() : QStringList{"chart.png"});
    const QByteArray now = Bytes(out);
    if (left == "old") QCOMPARE(now, QByteArray("old"));
    if (left == "new") QVERIFY(now.startsWith("\x89PNG"));
    if (!setup.isEmpty()) {
      ::stat(QFile::encodeName(out), &after);
      QCOMPARE(after.st_uid, before.st_uid);
      QCOMPARE(after.st_gid, before.st_gid);
      QCOMPARE(after.st_mode, before.st_mode);
    }
    // Every file made for the output, and every name it had, in its folder.
    const QDir from(bare ? folder.path() : elsewhere.path());
    const QStringList notes = QString::fromUtf8(Bytes(log)).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!notes.isEmpty());
    for (const QString& note : notes) {
      const QString path = from.absoluteFilePath(note.section(' ', 1));
      const QString where = note.startsWith("tmpfile") ? path : QFileInfo(path).absolutePath();
      QVERIFY2(QDir(where) == QDir(folder.path()), qPrintable(note));
    }
  }

  // The output is a file the command reads: refused before anything is
  // read or written, whatever name leads to it.
  void ownInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");  // empty when the output may be written
    QTest::newRow("a sheet given as the input")
        << QStringList{"report", "sheet.pdf", "-o", "sheet.pdf"}
        << "'sheet.pdf' is the input; give the output another name";
    QTest::newRow("the same file by another path")
        << QStringList{"report", "./sheet.pdf", "-o", "sheet.pdf"}
        << "'sheet.pdf' is the same file as the input './sheet.pdf'; give the output another name";
    QTest::newRow("an input linked to the output")
        << QStringList{"report", "link.CRV", "-o", "sheet.pdf"}
        << "'sheet.pdf' is the same file as the input 'link.CRV'; give the output another name";
    QTest::newRow("an output linked to the input")
        << QStringList{"chart", "car.CRV", "-o", "link.png"}
        << "'link.png' is the same file as the input 'car.CRV'; give the output another name";
    QTest::newRow("a hard link of the input")
        << QStringList{"chart", "car.CRV", "-o", "hard.png"}
        << "'hard.png' is the same file as the input 'car.CRV'; give the output another name";
    QTest::newRow("the reference")
        << QStringList{"report", "car.CRV", "--reference", "sheet.pdf", "-o", "sheet.pdf"}
        << "'sheet.pdf' is the reference; give the output another name";
    QTest::newRow("a copy of the input may be replaced")
        << QStringList{"report", "car.CRV", "-o", "copy.pdf"} << "";
  }
  void ownInput() {
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QDir in(folder.path());
    QVERIFY(QFile::copy(Example("strain-car1.CRV"), in.filePath("car.CRV")));
    Write(in.filePath("sheet.pdf"), "a sheet");
    QCOMPARE(::link(QFile::encodeName(in.filePath("car.CRV")),
                    QFile::encodeName(in.filePath("hard.png"))),
             0);
    QVERIFY(QFile::link("sheet.pdf", in.filePath("link.CRV")));
    QVERIFY(QFile::link("car.CRV", in.filePath("link.png")));
    QVERIFY(QFile::copy(Example("strain-car1.CRV"), in.filePath("copy.pdf")));
    const QStringList was = in.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const Ended run = Crv(args, folder.path());
    QCOMPARE(run.status, error.isEmpty() ? 0 : 2);
    QCOMPARE(run.err, error.isEmpty() ? "" : "mirelda-crv: " + error + "\n");
    QCOMPARE(in.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), was);
    QCOMPARE(Bytes(in.filePath("sheet.pdf")), QByteArray("a sheet"));
    QCOMPARE(Bytes(in.filePath("car.CRV")), Bytes(Example("strain-car1.CRV")));
    QCOMPARE(Bytes(in.filePath("copy.pdf")).startsWith("%PDF"), error.isEmpty());
  }

  // Where the file system gives no entry types, a linked folder is still
  // known as a link and not entered (a link back up would never end).
  void walkWithoutEntryTypes() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("fleet/deeper"));
    QVERIFY(QFile::copy(Example("strain-car1.CRV"), folder.filePath("fleet/a.CRV")));
    QVERIFY(QFile::copy(Example("strain-car1.CRV"), folder.filePath("fleet/deeper/b.CRV")));
    QVERIFY(QFile::link(folder.filePath("fleet"), folder.filePath("fleet/deeper/up")));
    const Ended run = Crv({"check", "-r", "fleet", "@SHIM_NO_DTYPE=1"}, folder.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count(".CRV"), 2);
  }
};

QTEST_MAIN(CliOutputs)
#include "tst_cli_outputs.moc"
