#include "tests/cli/CliRun.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "tests/calibration/CrvBuilder.h"

namespace {
// The ordinary user that "@nobody" runs mirelda-crv as, when the tests run as root.
constexpr uid_t kNobody = 65534;
}  // namespace

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
  if (program == "setpriv") {
    const QString id = QString::number(kNobody);
    args = QStringList{"--reuid=" + id, "--regid=" + id, "--clear-groups", MIRELDA_CRV} + args;
  }
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

QString ReadableCopy(const QTemporaryDir& dir, const QString& file, const QStringList& how) {
  if (!how.contains("@nobody") || ::geteuid() != 0) return file;
  const QString folder = dir.filePath("nobody");
  const QString copy = folder + "/" + QFileInfo(file).fileName();
  const QByteArray names[2] = {QFile::encodeName(folder), QFile::encodeName(copy)};
  if (!QDir().mkpath(folder) || !(QFile::exists(copy) || QFile::copy(file, copy)))
    qFatal("cannot copy %s", qPrintable(file));
  for (int i = 0; i < 2; ++i) {
    if (::chown(names[i], kNobody, kNobody) != 0 || ::chmod(names[i], i ? 0400 : 0700) != 0)
      qFatal("cannot give %s to the ordinary user", names[i].constData());
  }
  return copy;
}

void WriteRaw(const QByteArray& path, const QByteArray& bytes) {
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != bytes.size() || ::close(fd) != 0)
    qFatal("cannot write");
}

QString Example(const char* name) {
  return QStringLiteral(MIRELDA_EXAMPLES_DIR "/") + QLatin1String(name);
}

QString Changed(const QTemporaryDir& dir, const char* example, const QByteArray& from,
                const QByteArray& to, const QString& name) {
  QFile file(Example(example));
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the example");
  const QByteArray bytes = file.readAll();
  if (!bytes.contains(from)) qFatal("the example has changed");
  return WriteCrv(dir, QByteArray(bytes).replace(from, to), name);
}
