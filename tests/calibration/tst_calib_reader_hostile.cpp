// What the reader reports for hostile files: a gigabyte line, hostile bytes
// and paths; and that a good file read next still succeeds.
#include <QLocale>
#include <QtTest>

#include "tests/calibration/ReaderOutcomes.h"

class TestReaderHostile : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  // A gigabyte line without an ending, sparse on disk: read through in
  // bounded memory. Its comma lies past the gigabyte, so it is seen only if the
  // whole line is scanned, and makes the line a bad elevation-switch line.
  // Holding the line whole would take more than a gigabyte; the bound leaves
  // room for what a sanitizer build keeps of freed memory.
  void gigabyteLine() {
    QTemporaryDir dir;
    const QString path = WriteCrv(dir, CrvBuilder().Bytes() + "ELEVUP");
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
    QVERIFY(fd >= 0);
    QCOMPARE(::pwrite(fd, ",45%", 4, off_t{1} << 30), 4);
    ::close(fd);
    ReadAndRecover(dir, path, Problem(kTrailerLine));
    QVERIFY2(PeakRssKb() < 512 * 1024, qPrintable(QString::number(PeakRssKb()) + " kB"));
  }

  // Each kind of hostile content once.
  void hostileBytes_data() {
    AddBytesColumns();
    using S = QStringList;
    CrvBuilder bare;
    bare.preamble = {};
    CrvBuilder filled;  // 104 lines before the filler
    for (int i = 104; i < 32767; ++i) filled.trailer.append("x");

    QTest::newRow("empty file") << QByteArray() << kUnfinished << S{};
    QTest::newRow("only CR bytes") << QByteArray(300, '\r') << kUnfinished << S{};
    QTest::newRow("40000 CR bytes") << QByteArray(40000, '\r') << Problem(32768) << S{};
    QTest::newRow("32767 lines") << filled.Bytes() << Success() << S{};
    filled.trailer.append("x");
    QTest::newRow("32768 lines") << filled.Bytes() << Problem(32768) << S{};
    QTest::newRow("only NUL bytes") << QByteArray(70000, '\0') << kUnfinished << S{};
    QTest::newRow("NUL in a data row")
        << WithLine(kFirstRowLine + 5, QByteArray("5%,1,2\0,3,4,5", 13))
        << Problem(kFirstRowLine + 5) << S{};
    QTest::newRow("NUL after the header")
        << bare.Bytes().replace("Down\r\n", QByteArray("Down\0\r\n", 7)) << kUnfinished << S{};
    QTest::newRow("UTF-16 with BOM") << Utf16WithBom(CrvBuilder().Bytes()) << kUnfinished << S{};
    QTest::newRow("UTF-8 BOM only") << QByteArray("\xEF\xBB\xBF") << kUnfinished << S{};
    QTest::newRow("UTF-8 BOM before header") << "\xEF\xBB\xBF" + bare.Bytes() << Success() << S{};
    QTest::newRow("UTF-8 BOM, header on line 1, bad row 0")
        << "\xEF\xBB\xBF" + bare.Bytes().replace("0%,1000,", "0%,01000,") << Problem(2) << S{};
    QTest::newRow("UTF-8 BOM after the preamble")
        << CrvBuilder().Bytes().replace("Height,", "\xEF\xBB\xBFHeight,") << kUnfinished << S{};

    QTest::newRow("row values at 32-bit limits")
        << WithLine(kFirstRowLine + 3, "3%,2147483647,-2147483648,0,-1,1") << Success() << S{};
    QTest::newRow("row value beyond 32 bits")
        << WithLine(kFirstRowLine + 3, "3%,1,2,-2147483649,4,5") << Problem(kFirstRowLine + 3)
        << S{};
    QTest::newRow("sample at 16- and 32-bit limits")
        << WithTrailer({"Empty Down Samples", "-32768%,-2147483648", "254%,2147483647"}).Bytes()
        << Success(kAllInvalid.first(3))
        << S{"Empty Down", "  -32768%=-163840.00V", "254%=163840.00V"};
    QTest::newRow("sample height beyond 16 bits")
        << WithTrailer({"Empty Down Samples", "-32769%,0"}).Bytes() << Problem(kTrailerLine + 1)
        << S{};
    QTest::newRow("sample height 65535") << WithTrailer({"Empty Down Samples", "65535%,0"}).Bytes()
                                         << Problem(kTrailerLine + 1) << S{};
  }
  void hostileBytes() { ReadRow(); }

  void hostilePaths_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after");
    const QString odd = QString::fromUtf8("Kabine 2 – Prüfung/Lauf Ø 1 .CRV");
    QTest::newRow("non-ASCII and blanks") << "good" << odd << Success();
    QTest::newRow("non-ASCII and blanks, bad row") << "bad" << odd << Problem(kFirstRowLine);
    QTest::newRow("directory named .CRV") << "directory"
                                          << "d.CRV" << kCannotOpen;
    QTest::newRow("link to a device") << "device"
                                      << "x.CRV" << kCannotOpen;
    QTest::newRow("FIFO without a writer") << "fifo"
                                           << "p.CRV" << kCannotOpen;
    QTest::newRow("FIFO with a writer") << "fifo+writer"
                                        << "y.CRV" << kCannotOpen;
    QTest::newRow("removed after choosing") << "removed"
                                            << "gone.CRV" << kCannotOpen;
    QTest::newRow("dangling link") << "dangling"
                                   << "link.CRV" << kCannotOpen;
    QTest::newRow("unreadable") << "unreadable"
                                << "locked.CRV" << kCannotOpen;
  }
  void hostilePaths() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QByteArray file = QFile::encodeName(path);
    int writer = -1;
    if (kind == "good") WriteCrv(dir, CrvBuilder().Bytes(), name);
    if (kind == "bad") WriteCrv(dir, WithLine(kFirstRowLine, "0%,x"), name);
    if (kind == "directory") QVERIFY(QDir(dir.path()).mkdir(name));
    if (kind == "device") QCOMPARE(::symlink("/dev/zero", file.constData()), 0);
    if (kind == "dangling") QCOMPARE(::symlink("nowhere.CRV", file.constData()), 0);
    if (kind == "removed") QVERIFY(QFile::remove(WriteCrv(dir, CrvBuilder().Bytes(), name)));
    if (kind == "unreadable") {
      if (!AccessAsOrdinaryUser(true).Effective()) QSKIP("cannot read as an ordinary user here");
      // The folder may be searched; only the file itself is locked.
      QCOMPARE(::chmod(QFile::encodeName(dir.path()), 0711), 0);
      QCOMPARE(::chmod(QFile::encodeName(WriteCrv(dir, CrvBuilder().Bytes(), name)), 0), 0);
    }
    if (kind.startsWith("fifo")) QCOMPARE(::mkfifo(file.constData(), 0600), 0);
    if (kind == "fifo+writer") {
      // With a writer attached, opening the FIFO itself succeeds at once.
      const int reader = ::open(file.constData(), O_RDONLY | O_NONBLOCK);
      writer = ::open(file.constData(), O_WRONLY | O_NONBLOCK);
      QVERIFY(writer >= 0);
      ::close(reader);
    }
    ReadAndRecover(dir, path, after, {}, kind == "unreadable");
    if (writer >= 0) ::close(writer);
  }
};

QTEST_MAIN(TestReaderHostile)
#include "tst_calib_reader_hostile.moc"
