// Pure text rules: canonical numbers, the CRV line shapes, value lines,
// captions and file names.
#include <QLocale>
#include <QtTest>
#include <limits>

#include "CURVEroutines.h"
#include "CanonicalNumber.h"
#include "CrvLines.h"
#include "ValueLine.h"

using namespace CURVEroutines;

class TestCalibText : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void canonicalNumbers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qint64>("value");
    const qint64 max32 = std::numeric_limits<int32_t>::max();
    const qint64 min32 = std::numeric_limits<int32_t>::min();
    QTest::newRow("zero") << QByteArray("0") << true << qint64{0};
    QTest::newRow("plain") << QByteArray("12345") << true << qint64{12345};
    QTest::newRow("negative") << QByteArray("-17") << true << qint64{-17};
    QTest::newRow("int32 max") << QByteArray("2147483647") << true << max32;
    QTest::newRow("int32 min") << QByteArray("-2147483648") << true << min32;
    QTest::newRow("above int32") << QByteArray("2147483648") << false << qint64{0};
    QTest::newRow("below int32") << QByteArray("-2147483649") << false << qint64{0};
    QTest::newRow("huge") << QByteArray("99999999999999999999999999") << false << qint64{0};
    QTest::newRow("empty") << QByteArray("") << false << qint64{0};
    QTest::newRow("minus alone") << QByteArray("-") << false << qint64{0};
    QTest::newRow("minus zero") << QByteArray("-0") << false << qint64{0};
    QTest::newRow("leading zero") << QByteArray("007") << false << qint64{0};
    QTest::newRow("negative leading zero") << QByteArray("-07") << false << qint64{0};
    QTest::newRow("plus") << QByteArray("+5") << false << qint64{0};
    QTest::newRow("space before") << QByteArray(" 5") << false << qint64{0};
    QTest::newRow("space after") << QByteArray("5 ") << false << qint64{0};
    QTest::newRow("point") << QByteArray("5.0") << false << qint64{0};
    QTest::newRow("exponent") << QByteArray("5e3") << false << qint64{0};
    QTest::newRow("grouping") << QByteArray("1,000") << false << qint64{0};
    QTest::newRow("non-ASCII digit") << QByteArray("\xD9\xA1") << false << qint64{0};
  }
  void canonicalNumbers() {
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    QFETCH(qint64, value);
    const auto parsed = ParseCanonical(text.toStdString(), std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max());
    QCOMPARE(parsed.has_value(), accepted);
    if (accepted) QCOMPARE(qint64{*parsed}, value);
  }

  void canonicalNumberRanges() {
    // A small range must not let a long number wrap back into it.
    QVERIFY(!ParseCanonical("18446744073709551621", 0, 5));
    QVERIFY(!ParseCanonical("7", 0, 5));
    QVERIFY(!ParseCanonical("-1", 0, 100));
    QCOMPARE(*ParseCanonical("100", 0, 100), 100);
    QCOMPARE(*ParseCanonical("-9223372036854775808", std::numeric_limits<int64_t>::min(), 0),
             std::numeric_limits<int64_t>::min());
  }

  void dataRows_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("five values") << QByteArray("0%,1,2,3,4,5") << 0 << true;
    QTest::newRow("one trailing comma") << QByteArray("7%,1,-2,3,4,5,") << 7 << true;
    QTest::newRow("two trailing commas") << QByteArray("7%,1,2,3,4,5,,") << 7 << false;
    QTest::newRow("four values") << QByteArray("7%,1,2,3,4") << 7 << false;
    QTest::newRow("six values") << QByteArray("7%,1,2,3,4,5,6") << 7 << false;
    QTest::newRow("empty value") << QByteArray("7%,1,,3,4,5") << 7 << false;
    QTest::newRow("no values") << QByteArray("7%,") << 7 << false;
    QTest::newRow("wrong row") << QByteArray("2%,1,2,3,4,5") << 1 << false;
    QTest::newRow("row 10 vs 1") << QByteArray("10%,1,2,3,4,5") << 1 << false;
    QTest::newRow("lower prefix") << QByteArray("100%,1,2,3,4,5") << 100 << true;
    QTest::newRow("space after comma") << QByteArray("7%, 1,2,3,4,5") << 7 << false;
    QTest::newRow("lone LF at end") << QByteArray("7%,1,2,3,4,5\n") << 7 << false;
    QTest::newRow("value beyond 32 bits") << QByteArray("7%,1,2,3,4,2147483648") << 7 << false;
  }
  void dataRows() {
    QFETCH(QByteArray, line);
    QFETCH(int, row);
    QFETCH(bool, accepted);
    QCOMPARE(ParseDataRow(line.toStdString(), row).has_value(), accepted);
  }

  void sampleAndElevLines_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");  // "h,v" / "up h" / "down h", or "" for refused
    QTest::addColumn<bool>("elev");
    QTest::newRow("sample") << QByteArray("10%,2050") << "10,2050" << false;
    QTest::newRow("negative height") << QByteArray("-3%,-5") << "-3,-5" << false;
    QTest::newRow("height 254") << QByteArray("254%,1") << "254,1" << false;
    QTest::newRow("height 255 is the empty marker") << QByteArray("255%,1") << "" << false;
    QTest::newRow("height 300") << QByteArray("300%,1") << "" << false;
    QTest::newRow("height below 16 bits") << QByteArray("-32769%,1") << "" << false;
    QTest::newRow("trailing comma") << QByteArray("10%,2050,") << "" << false;
    QTest::newRow("space after mark") << QByteArray("10%, 2050") << "" << false;
    QTest::newRow("value beyond 32 bits") << QByteArray("10%,-2147483649") << "" << false;
    QTest::newRow("ELEVUP") << QByteArray("ELEVUP,45%") << "up 45" << true;
    QTest::newRow("ElevDown") << QByteArray("ElevDown,47%") << "down 47" << true;
    QTest::newRow("elevup 0") << QByteArray("elevup,0%") << "up 0" << true;
    QTest::newRow("ELEVUP 100") << QByteArray("ELEVUP,100%") << "up 100" << true;
    QTest::newRow("ELEVUP 101") << QByteArray("ELEVUP,101%") << "" << true;
    QTest::newRow("no percent") << QByteArray("ELEVUP,45") << "" << true;
    QTest::newRow("leading zero") << QByteArray("ELEVUP,045%") << "" << true;
    QTest::newRow("space after") << QByteArray("ELEVUP,45% ") << "" << true;
    QTest::newRow("neither keyword") << QByteArray("ELEV,45%") << "" << true;
    QTest::newRow("dotless i is no I") << QByteArray("ELEVUP\xC4\xB1,45%") << "" << true;
  }
  void sampleAndElevLines() {
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    QFETCH(bool, elev);
    QString got;
    if (elev) {
      if (const auto parsed = ParseElevLine(line.toStdString())) {
        got = QStringLiteral("%1 %2").arg(parsed->up ? "up" : "down").arg(parsed->height);
      }
    } else if (const auto parsed = ParseSampleLine(line.toStdString())) {
      got = QStringLiteral("%1,%2").arg(parsed->height).arg(parsed->value);
    }
    QCOMPARE(got, expected);
  }

  void valueLines_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("line");
    QTest::newRow("zero") << 0 << 0 << "  0%=0.00V";
    QTest::newRow("one volt") << 5 << 13107 << "  5%=1.00V";
    QTest::newRow("label 9") << 9 << 13107 << "  9%=1.00V";
    QTest::newRow("label 10") << 10 << 65535 << "10%=5.00V";
    QTest::newRow("label 100") << 100 << 20000 << "100%=1.53V";
    QTest::newRow("negative label") << -3 << 13107 << "  -3%=1.00V";
    QTest::newRow("tie down to even") << 7 << 8192 << "  7%=0.62V";
    QTest::newRow("tie up to even") << 7 << 24576 << "  7%=1.88V";
    QTest::newRow("tenth") << 1 << 1311 << "  1%=0.10V";
    QTest::newRow("below half") << 1 << 6553 << "  1%=0.50V";
    QTest::newRow("above half") << 1 << 6554 << "  1%=0.50V";
    QTest::newRow("negative tie") << 100 << -8192 << "100%=-0.62V";
    QTest::newRow("negative to zero") << 1 << -10 << "  1%=0.00V";
    QTest::newRow("just above minus half") << 1 << -65 << "  1%=0.00V";
    QTest::newRow("negative hundredth") << 1 << -66 << "  1%=-0.01V";
    QTest::newRow("int32 max") << 1 << std::numeric_limits<int32_t>::max() << "  1%=163840.00V";
    QTest::newRow("int32 min") << 1 << std::numeric_limits<int32_t>::min() << "  1%=-163840.00V";
  }
  void valueLines() {
    QFETCH(int, label);
    QFETCH(int, raw);
    QFETCH(QString, line);
    QCOMPARE(ValueLine(static_cast<int16_t>(label), raw), line);
  }

  void valueLineFollowsLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(ValueLine(100, 20000), QStringLiteral("100%=1,53V"));
    QCOMPARE(ValueLine(5, 100000000), QStringLiteral("  5%=7629,39V"));  // no grouping
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(ValueLine(100, 20000), QStringLiteral("100%=1.53V"));
  }

  void captions_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("caption");
    QTest::newRow("set 0") << 0 << "Loaded Up Samples";
    QTest::newRow("set 3") << 3 << "Empty Down Samples";
    QTest::newRow("set 4") << 4 << "?";
    QTest::newRow("minus one") << -1 << "?";
    QTest::newRow("240") << 240 << "Targets";
    QTest::newRow("241") << 241 << "Dynamic";
    QTest::newRow("245") << 245 << "Empty Down";
    QTest::newRow("246") << 246 << "?";
    QTest::newRow("247") << 247 << "?";
  }
  void captions() {
    QFETCH(int, key);
    QFETCH(QString, caption);
    QCOMPARE(CurveCaption(static_cast<int16_t>(key)), caption);
  }

  void fileNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("bare") << "LIFT.CRV"
                          << "LIFT.CRV";
    QTest::newRow("backslashes") << "C:\\data\\LIFT.CRV"
                                 << "LIFT.CRV";
    QTest::newRow("slashes") << "/home/op/runs/LIFT.CRV"
                             << "LIFT.CRV";
    QTest::newRow("mixed") << "C:/data\\sub/LIFT.CRV"
                           << "LIFT.CRV";
    QTest::newRow("trailing separator") << "C:\\data\\"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
  }
  void fileNames() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(FileNameOf(path), name);
  }
};

QTEST_MAIN(TestCalibText)
#include "tst_calib_text.moc"
