// Why a read stops: one row per rule of the format, with the line, the
// field and its text, and the row due.
#include <QtTest>
#include <optional>

#include "core/CrvRead.h"
#include "tests/calibration/CrvBuilder.h"
#include "tests/core/ReadsFailAt.h"

using namespace core;

namespace {

constexpr int kFirstRowLine = 4;   // preamble 2 lines, header on line 3
constexpr int kTrailerLine = 105;  // first line after the row of 100 %


// Why a read stops, one row per rule of the format (and a good file, which
// leaves none): the rule, the line, the field and its text, the row due.
struct ReasonRow {
  const char* name;
  QByteArray bytes;
  ReadProblem expected;
  bool readErrorAfterRows = false;
};
ReadProblem Expect(CrvRule rule, int line, int field = 0, const char* text = "", int due = -1) {
  ReadProblem p = WholeLine(rule);
  p.line = line;
  p.field = static_cast<int16_t>(field);
  p.fieldText = text;
  p.dueRow = static_cast<int16_t>(due);
  return p;
}
QList<ReasonRow> ReasonRows() {
  using R = CrvRule;
  CrvBuilder noHeader;
  noHeader.header = "Height";
  CrvBuilder early;
  early.rows = 57;
  CrvBuilder filled;
  for (int i = 104; i <= 32767; ++i) filled.trailer.append("x");
  QList<QByteArray> fifty{"Loaded Up Samples"};
  for (int i = 0; i < 50; ++i) fifty.append(QByteArray::number(i) + "%,1");
  const int row2 = kFirstRowLine + 2;
  return {
      {"good file", CrvBuilder().Bytes(), Expect(R::None, 0)},
      {"no header", noHeader.Bytes(), Expect(R::NoHeader, 0)},
      {"ends before a row", early.Bytes(), Expect(R::EndsBeforeRow, 0, 0, "", 57)},
      {"read error", WithTrailer({"ELEVUP,45%"}).Bytes(), Expect(R::ReadError, 0), true},
      {"too many lines", filled.Bytes(), Expect(R::TooManyLines, 32768)},
      {"line too long", WithLine(row2, "2%,1,2,3,4," + QByteArray(5000, '5')),
       Expect(R::LineTooLong, row2)},
      {"blank line", WithLine(row2, ""), Expect(R::BlankLineInRows, row2)},
      {"height out of order", WithLine(row2, CrvBuilder::Row(3)),
       Expect(R::HeightOutOfOrder, row2, 1, "3%", 2)},
      {"missing percent", WithLine(row2, "2,1,2,3,4,5"), Expect(R::MissingPercent, row2, 1, "2")},
      {"empty field", WithLine(row2, "2%,1,,3,4,5"), Expect(R::EmptyField, row2, 3)},
      {"plus sign", WithLine(row2, "2%,1,2,+3,4,5"), Expect(R::PlusSign, row2, 4, "+3")},
      {"blank", WithLine(row2, "2%,1,2,3 ,4,5"), Expect(R::Blank, row2, 4, "3 ")},
      {"a blank before a plus sign", WithLine(row2, "2%,1,2,3,4, +5"),
       Expect(R::Blank, row2, 6, " +5")},
      {"a blank in a height", WithTrailer({"Empty Down Samples", "4 %,0"}).Bytes(),
       Expect(R::Blank, kTrailerLine + 1, 1, "4 %")},
      {"leading zero", WithLine(row2, "2%,1,2,3,04,5"), Expect(R::LeadingZero, row2, 5, "04")},
      {"minus zero", WithLine(row2, "2%,-0,2,3,4,5"), Expect(R::MinusZero, row2, 2, "-0")},
      {"decimal point", WithLine(row2, "2%,1,2,3,4,5.0"),
       Expect(R::NotWholeNumber, row2, 6, "5.0")},
      {"beyond 32 bits", WithLine(row2, "2%,1,2,3,4,-2147483649"),
       Expect(R::Beyond32Bit, row2, 6, "-2147483649")},
      {"six values", WithLine(row2, "2%,1,2,3,4,5,6"), Expect(R::TooManyFields, row2, 7, "6")},
      {"four values", WithLine(row2, "2%,1,2,3,4,"), Expect(R::TooFewFields, row2)},
      {"sample height beyond 16 bits", WithTrailer({"Empty Down Samples", "-32769%,0"}).Bytes(),
       Expect(R::Beyond16Bit, kTrailerLine + 1, 1, "-32769%")},
      {"sample height 255", WithTrailer({"Empty Down Samples", "255%,0"}).Bytes(),
       Expect(R::SampleHeight255, kTrailerLine + 1, 1, "255%")},
      {"50th sample", WithTrailer(fifty).Bytes(), Expect(R::FiftiethSample, kTrailerLine + 50)},
      {"switch above 100", WithTrailer({"ELEVUP,101%"}).Bytes(),
       Expect(R::SwitchHeightRange, kTrailerLine, 2, "101%")},
      {"neither keyword", WithTrailer({"Elevation noted, see log"}).Bytes(),
       Expect(R::NotSwitchKeyword, kTrailerLine, 1, "Elevation noted")},
      {"third switch line", WithTrailer({"ELEVUP,1%", "ELEVUP,2%", "ELEVDOWN,3%"}).Bytes(),
       Expect(R::ThirdSwitchLine, kTrailerLine + 2)},
  };
}

}  // namespace

class TestCoreReasons : public QObject {
  Q_OBJECT

 private slots:
  void reasons_data() {
    QTest::addColumn<int>("index");
    const QList<ReasonRow> rows = ReasonRows();
    for (int i = 0; i < rows.size(); ++i) QTest::newRow(rows[i].name) << i;
  }
  void reasons() {
    QFETCH(int, index);
    const ReasonRow row = ReasonRows()[index];
    QTemporaryDir dir;
    const QString path = WriteCrv(dir, row.bytes);
    std::optional<ReadsFailAt> failing;
    if (row.readErrorAfterRows) failing.emplace(row.bytes.indexOf("ELEVUP"));
    const CrvRead read = ReadCrv(path);
    QCOMPARE(read.Whole(), row.expected.rule == CrvRule::None);
    const ReadProblem& got = read.problem;
    QCOMPARE(int(got.rule), int(row.expected.rule));
    QCOMPARE(got.line, row.expected.line);
    QCOMPARE(got.field, row.expected.field);
    QCOMPARE(QByteArray::fromStdString(got.fieldText),
             QByteArray::fromStdString(row.expected.fieldText));
    QCOMPARE(got.dueRow, row.expected.dueRow);
  }
  // The table above names every rule, each with its own words.
  void reasonsCoverEveryRule() {
    QSet<int> named;
    for (const ReasonRow& row : ReasonRows()) named.insert(int(row.expected.rule));
    QSet<QByteArray> texts;
    QSet<QByteArray> names;
    for (int rule = 0; rule < kCrvRuleCount; ++rule) {
      QVERIFY2(named.contains(rule), qPrintable(QString::number(rule)));
      names.insert(QByteArray::fromStdString(std::string(CrvRuleName(CrvRule(rule)))));
      texts.insert(
          QByteArray(CrvRuleText(CrvRule(rule)).data(), CrvRuleText(CrvRule(rule)).size()));
    }
    QCOMPARE(texts.size(), kCrvRuleCount);
    QCOMPARE(names.size(), kCrvRuleCount);
  }
};

QTEST_GUILESS_MAIN(TestCoreReasons)
#include "tst_core_reasons.moc"
