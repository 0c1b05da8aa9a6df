// How a file name stands inside one of the viewer's sentences.
#include <QtTest>

#include "calibration/IsolatedName.h"

using CURVEroutines::IsolatedName;

class TestCalibNames : public QObject {
  Q_OBJECT

 private slots:
  // U+2068 opens an isolate, U+2069 closes one.
  void isolatedNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inText");
    const auto plain = [](const char16_t* text) { return QString::fromUtf16(text); };
    const QStringList kept = {plain(u"/lift/CAR1.CRV"), plain(u"caf\u00e9 \u00fcber.CRV"),
                              plain(u"bad\xdce9.CRV"), plain(u"car 12-3.CRV"), QString()};
    for (const QString& name : kept) QTest::newRow(qPrintable("kept: " + name)) << name << name;
    QTest::newRow("a right-to-left override")
        << plain(u"bidi\u202ebad.CRV") << plain(u"\u2068bidi\u202ebad.CRV\u2069");
    QTest::newRow("Hebrew letters") << plain(u"\u05e9\u05dc\u05d5\u05dd-12.CRV")
                                    << plain(u"\u2068\u05e9\u05dc\u05d5\u05dd-12.CRV\u2069");
    QTest::newRow("Arabic-Indic digits")
        << plain(u"car\u0661\u0662.CRV") << plain(u"\u2068car\u0661\u0662.CRV\u2069");
    QTest::newRow("right-to-left beyond 16 bits")
        << plain(u"\U00010800.CRV") << plain(u"\u2068\U00010800.CRV\u2069");
    QTest::newRow("an embedding left open")
        << plain(u"a\u202bb.CRV") << plain(u"\u2068a\u202bb.CRV\u2069");
    QTest::newRow("an isolate closed within")
        << plain(u"a\u2067b\u2069.CRV") << plain(u"\u2068a\u2067b\u2069.CRV\u2069");
    QTest::newRow("an isolate left open: closed after it")
        << plain(u"a\u2066\u2067b.CRV") << plain(u"\u2068a\u2066\u2067b.CRV\u2069\u2069\u2069");
    QTest::newRow("a closing it never opened: opened before it")
        << plain(u"a\u2069\u202eb.CRV") << plain(u"\u2068\u2068a\u2069\u202eb.CRV\u2069");
    QTest::newRow("closed, then one it never opened")
        << plain(u"\u2068a\u2069\u2069b.CRV")
        << plain(u"\u2068\u2068\u2068a\u2069\u2069b.CRV\u2069");
  }
  void isolatedNames() {
    QFETCH(QString, name);
    QFETCH(QString, inText);
    QCOMPARE(IsolatedName(name), inText);
  }
};

QTEST_MAIN(TestCalibNames)
#include "tst_calib_names.moc"
