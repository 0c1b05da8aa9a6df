// Pure text rules: canonical numbers, the CRV line shapes, value lines,
// captions and file names.
#include <QLocale>
#include <QtTest>
#include <limits>

#include "core/CanonicalNumber.h"
#include "core/CrvLines.h"
#include "core/CurveNames.h"
#include "core/ValueLine.h"

using namespace core;

class TestCalibText : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }

  void canonicalNumbers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("min");
    QTest::addColumn<qint64>("max");
    QTest::addColumn<QString>("value");  // "" when refused
    const qint64 max32 = std::numeric_limits<int32_t>::max();
    const qint64 min32 = std::numeric_limits<int32_t>::min();
    const auto row = [&](const char* name, const QByteArray& text, const QString& value) {
      QTest::newRow(name) << text << min32 << max32 << value;
    };
    row("zero", "0", "0");
    row("plain", "12345", "12345");
    row("negative", "-17", "-17");
    row("int32 max", "2147483647", "2147483647");
    row("int32 min", "-2147483648", "-2147483648");
    row("above int32", "2147483648", "");
    row("below int32", "-2147483649", "");
    row("huge", "99999999999999999999999999", "");
    row("empty", "", "");
    row("minus alone", "-", "");
    row("minus zero", "-0", "");
    row("leading zero", "007", "");
    row("two digits, leading zero", "07", "");
    row("negative leading zero", "-07", "");
    row("plus", "+5", "");
    row("space before", " 5", "");
    row("space after", "5 ", "");
    row("point", "5.0", "");
    row("exponent", "5e3", "");
    row("grouping", "1,000", "");
    row("non-ASCII digit", "\xD9\xA1", "");
    // A small range must not let a long number wrap back into it.
    QTest::newRow("wraps into a small range")
        << QByteArray("18446744073709551621") << qint64{0} << qint64{5} << "";
    QTest::newRow("above a small range") << QByteArray("7") << qint64{0} << qint64{5} << "";
    QTest::newRow("below a small range") << QByteArray("-1") << qint64{0} << qint64{100} << "";
    QTest::newRow("top of a small range") << QByteArray("100") << qint64{0} << qint64{100} << "100";
    QTest::newRow("int64 min") << QByteArray("-9223372036854775808")
                               << std::numeric_limits<qint64>::min() << qint64{0}
                               << "-9223372036854775808";
  }
  void canonicalNumbers() {
    QFETCH(QByteArray, text);
    QFETCH(qint64, min);
    QFETCH(qint64, max);
    QFETCH(QString, value);
    const auto parsed = ParseCanonical(text.toStdString(), min, max);
    QCOMPARE(parsed ? QString::number(*parsed) : QString(), value);
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
    QTest::newRow("height 300") << QByteArray("300%,1") << "" << false;
    QTest::newRow("space after mark") << QByteArray("10%, 2050") << "" << false;
    QTest::newRow("ELEVUP") << QByteArray("ELEVUP,45%") << "up 45" << true;
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
    QTest::newRow("bare") << QStringLiteral("LIFT.CRV") << QStringLiteral("LIFT.CRV");
    QTest::newRow("backslashes") << QStringLiteral("C:\\data\\LIFT.CRV")
                                 << QStringLiteral("LIFT.CRV");
    QTest::newRow("slashes") << QStringLiteral("/home/op/runs/LIFT.CRV")
                             << QStringLiteral("LIFT.CRV");
    QTest::newRow("mixed") << QStringLiteral("C:/data\\sub/LIFT.CRV") << QStringLiteral("LIFT.CRV");
    QTest::newRow("trailing separator") << QStringLiteral("C:\\data\\") << QString();
    QTest::newRow("empty") << QString() << QString();
  }
  void fileNames() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(FileNameOf(path), name);
  }
};

QTEST_MAIN(TestCalibText)
#include "tst_core_text.moc"
