// The read value: bytes in, value out. How each read ends, and exactly what
// it took in before it stopped: rows, switch lines, sample blocks, the lines
// before the header. No window and no GUI application.
#include <QtTest>

#include "core/CrvRead.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/core/ReadsFailAt.h"

using namespace core;

namespace {

constexpr int kFirstRowLine = 4;   // preamble 2 lines, header on line 3
constexpr int kTrailerLine = 105;  // first line after the row of 100 %

// The value in one line: "end; rows N; switches U45 D47; blocks 0:10/99 ...; pre N".
QString Summary(const CrvRead& read) {
  QString end;
  switch (read.end) {
    case ReadEnd::Whole:
      end = QStringLiteral("whole");
      break;
    case ReadEnd::CouldNotOpen:
      end = QStringLiteral("open: ") + QString::fromStdString(read.openFailure);
      break;
    case ReadEnd::Problem:
    case ReadEnd::Unfinished: {
      const ReadProblem& p = read.problem;
      end = QStringLiteral("%1@%2 %3")
                .arg(read.end == ReadEnd::Problem ? "problem" : "unfinished")
                .arg(p.line)
                .arg(QString::fromLatin1(CrvRuleText(p.rule)).arg(p.dueRow));
      if (p.field != 0) end += QStringLiteral(" [%1 %2]").arg(p.field).arg(p.fieldText.c_str());
    }
  }
  QStringList switches;
  for (const SwitchLine& s : read.switches)
    switches << (s.up ? "U" : "D") + QString::number(s.height);
  QStringList blocks;
  for (const SampleBlock& b : read.blocks) {
    QStringList samples;
    for (const Sample& s : b.samples) samples << QStringLiteral("%1/%2").arg(s.height).arg(s.value);
    blocks << QString::number(b.set) + ":" + samples.join(',');
  }
  QString text = end + QStringLiteral("; rows %1").arg(read.rows.size());
  if (!read.rows.empty()) text += QStringLiteral(" last %1").arg(read.rows.back()[4]);
  if (!switches.isEmpty()) text += "; switches " + switches.join(' ');
  if (!blocks.isEmpty()) text += "; blocks " + blocks.join(' ');
  return text + QStringLiteral("; pre %1").arg(read.preamble.size());
}


}  // namespace

class TestCoreRead : public QObject {
  Q_OBJECT

 private slots:
  void values_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("value");
    const QString rows101 = "rows 101 last 9292";
    CrvBuilder early;
    early.rows = 57;
    CrvBuilder noHeader;
    noHeader.header = "Height";
    CrvBuilder filled;
    for (int i = 104; i <= 32767; ++i) filled.trailer.append("x");
    QList<QByteArray> fifty{"Loaded Up Samples"};
    for (int i = 0; i < 50; ++i) fifty.append(QByteArray::number(i) + "%,7");

    QTest::newRow("whole") << CrvBuilder().Bytes() << "whole; " + rows101 + "; pre 2";
    QTest::newRow("bad value in row 2: rows 0 and 1 taken")
        << WithLine(kFirstRowLine + 2, "2%,1,2,3,04,5")
        << "problem@6 a leading zero [5 04]; rows 2 last 9193; pre 2";
    QTest::newRow("blank line as row 0")
        << WithLine(kFirstRowLine, "") << "problem@4 an empty line among the rows; rows 0; pre 2";
    QTest::newRow("row out of order")
        << WithLine(kFirstRowLine + 1, CrvBuilder::Row(2))
        << "problem@5 a height out of order (the row of 1% is due) [1 2%]; rows 1 last 9192; pre 2";
    QTest::newRow("ends before row 57")
        << early.Bytes()
        << "unfinished@0 the file ends before the row of 57%; rows 57 last 9248; pre 2";
    QTest::newRow("no header: every line before")
        << noHeader.Bytes()
        << "unfinished@0 no header line (Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty "
           "Down); "
           "rows 0; pre 104";
    QTest::newRow("switches and blocks in file order")
        << WithTrailer({"ELEVUP,45%", "10%,1", "Empty Up Samples", "50%,13107", "# note",
                        "ELEVDOWN,3%", "Loaded Up Samples", "Loaded Up Samples", "-3%,-8"})
               .Bytes()
        << "whole; " + rows101 + "; switches U45; blocks 1:50/13107 0: 0:-3/-8; pre 2";
    QTest::newRow("third switch line taken in, then refused")
        << WithTrailer({"ELEVUP,45%", "ELEVDOWN,47%", "ELEVUP,46%", "ELEVUP,1%"}).Bytes()
        << "problem@107 a third elevation line; " + rows101 + "; switches U45 D47 U46; pre 2";
    QTest::newRow("50th sample taken in, then refused")
        << WithTrailer(fifty).Bytes()
        << QStringLiteral("problem@155 a 50th sample; ") + rows101 + "; blocks 0:" +
               [] {
                 QStringList s;
                 for (int i = 0; i < 50; ++i) s << QStringLiteral("%1/7").arg(i);
                 return s.join(',');
               }() +
               "; pre 2";
    QTest::newRow("bad sample after two")
        << WithTrailer({"Empty Down Samples", "1%,1", "2%,2", "3%,3,"}).Bytes()
        << "problem@108 too many fields [3 ]; " + rows101 + "; blocks 3:1/1,2/2; pre 2";
    QTest::newRow("sample height 255")
        << WithTrailer({"Empty Down Samples", "255%,0"}).Bytes()
        << "problem@106 a sample height of 255 or more [1 255%]; " + rows101 + "; blocks 3:; pre 2";
    QTest::newRow("bad switch after a good one")
        << WithTrailer({"ELEVUP,45%", "ELEVDOWN,101%"}).Bytes()
        << "problem@106 a switch height outside 0 to 100 [2 101%]; " + rows101 +
               "; switches U45; pre 2";
    QTest::newRow("more than 32767 lines")
        << filled.Bytes() << "problem@32768 more than 32767 lines; " + rows101 + "; pre 2";
  }
  void values() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, value);
    QTemporaryDir dir;
    QCOMPARE(Summary(ReadCrv(WriteCrv(dir, bytes))), value);
  }

  // A read error is no success, even after the last row; what came before stays.
  void readErrorAfterTheRows() {
    QTemporaryDir dir;
    const QByteArray bytes = WithTrailer({"ELEVUP,45%", "ELEVDOWN,3%"}).Bytes();
    const QString path = WriteCrv(dir, bytes);
    const ReadsFailAt failing(bytes.indexOf("ELEVDOWN"));
    QCOMPARE(Summary(ReadCrv(path)),
             "unfinished@0 the file could not be read to its end; rows 101 last 9292; "
             "switches U45; pre 2");
  }

  void preambleLines() {
    QTemporaryDir dir;
    CrvBuilder crv;
    crv.preamble = {"Run 7", "", QByteArray(5000, 'p') + "\xff", "\xEF\xBB\xBFx"};
    const QString path = WriteCrv(dir, "\xEF\xBB\xBF" + crv.Bytes());
    const CrvRead read = ReadCrv(path);
    QCOMPARE(read.preamble.size(), std::size_t{4});
    QCOMPARE(read.preamble[0].head, std::string("Run 7"));
    QVERIFY(!read.preamble[0].truncated);
    QCOMPARE(read.preamble[1].length, std::uint64_t{0});
    QCOMPARE(read.preamble[2].head, std::string(4096, 'p'));
    QVERIFY(read.preamble[2].truncated);
    QCOMPARE(read.preamble[2].length, std::uint64_t{5001});
    // Only the file's first byte-order mark is dropped.
    QCOMPARE(read.preamble[3].head, std::string("\xEF\xBB\xBFx"));
    // Not kept when not asked for; the rest is the same.
    const CrvRead bare = ReadCrv(path, false);
    QVERIFY(bare.preamble.empty());
    QCOMPARE(Summary(bare), QStringLiteral("whole; rows 101 last 9292; pre 0"));
  }

  // The trailer's remarks: lines the format skips that hold more than spaces,
  // before the first heading and inside a section; never a heading, a sample
  // or a switch line.
  void remarks_data() {
    QTest::addColumn<QList<QByteArray>>("trailer");
    QTest::addColumn<QStringList>("remarks");
    QTest::newRow("none") << QList<QByteArray>{"ELEVUP,45%", "Loaded Up Samples", "10%,5"}
                          << QStringList{};
    QTest::newRow("before the switches and in a section")
        << QList<QByteArray>{"Checked by R.",
                             "ELEVUP,45%",
                             "Elevation Switch",
                             "Empty Up Samples",
                             "10%,5",
                             "Note: one sample",
                             "",
                             "   ",
                             "Empty Down Samples"}
        << QStringList{"Checked by R.", "Elevation Switch", "Note: one sample"};
  }
  void remarks() {
    QFETCH(QList<QByteArray>, trailer);
    QFETCH(QStringList, remarks);
    QTemporaryDir dir;
    const CrvRead read = ReadCrv(WriteCrv(dir, WithTrailer(trailer).Bytes()));
    QStringList kept;
    for (const PreambleLine& line : read.remarks) kept << QString::fromStdString(line.head);
    QCOMPARE(kept, remarks);
    QCOMPARE(read.remarkCount, std::size_t(remarks.size()));
  }

  void manyRemarksKeptBounded() {
    QList<QByteArray> trailer;
    for (int n = 0; n < 250; ++n) trailer << "remark " + QByteArray::number(n);
    QTemporaryDir dir;
    const CrvRead read = ReadCrv(WriteCrv(dir, WithTrailer(trailer).Bytes()));
    QCOMPARE(read.remarks.size(), kRemarksKept);
    QCOMPARE(read.remarks.back().head, "remark " + std::to_string(kRemarksKept - 1));
    QCOMPARE(read.remarkCount, std::size_t{250});
    QVERIFY(ReadCrv(WriteCrv(dir, WithTrailer(trailer).Bytes()), false).remarks.empty());
  }

  void openFailures_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::newRow("missing") << "missing"
                             << "open: No such file or directory; rows 0; pre 0";
    QTest::newRow("folder") << "folder"
                            << "open: Is a directory; rows 0; pre 0";
    QTest::newRow("device") << "device"
                            << "open: not a regular file; rows 0; pre 0";
    QTest::newRow("empty name") << "empty"
                                << "open: No such file or directory; rows 0; pre 0";
  }
  void openFailures() {
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QTemporaryDir dir;
    QString path = dir.filePath("x.CRV");
    if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir("x.CRV"));
    if (kind == "device") path = "/dev/null";
    if (kind == "empty") path.clear();
    CrvFile file(path);
    QVERIFY(!file.IsOpen());
    QCOMPARE(Summary(ReadCrv(file)), value);
  }
};

QTEST_GUILESS_MAIN(TestCoreRead)
#include "tst_core_read.moc"
