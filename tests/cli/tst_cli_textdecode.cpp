// The lines of a file's own text as mirelda-crv shows them.
#include <QTest>

#include "cli/TextDecode.h"

class CliTextDecode : public QObject {
  Q_OBJECT

 private slots:
  void displayLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("shown");
    const QString street = QStringLiteral("Installation: Müllerstraße 5, Aufzug 3 - 20°C");
    QTest::newRow("ASCII") << QByteArray("Run: 2026-11-14 09:42") << false
                           << "Run: 2026-11-14 09:42";
    QTest::newRow("UTF-8") << street.toUtf8() << false << street;
    QTest::newRow("Windows-1252") << QByteArray(
                                         "Installation: M\xfcllerstra\xdf"
                                         "e 5, Aufzug 3 - 20\xb0"
                                         "C")
                                  << false << street;
    QTest::newRow("Windows-1252 beyond Latin-1")
        << QByteArray("\x80 5 \x96 \x93ok\x94 \x85 \x8a\x9f") << false
        << QStringLiteral("€ 5 – “ok” … ŠŸ");
    QTest::newRow("its unassigned bytes are controls")
        << QByteArray(
               "a\x81"
               "b\x8d"
               "c\x8f"
               "d\x90"
               "e\x9d")
        << false << R"(a\u0081b\u008dc\u008fd\u0090e\u009d)";
    // One byte that is not UTF-8 decides for the whole line.
    QTest::newRow("UTF-8 and a stray byte")
        << QByteArray("\xc3\xbc and \xfc") << false << QStringLiteral("Ã¼ and ü");
    QTest::newRow("overlong UTF-8") << QByteArray("/\xc0\xaf") << false << QStringLiteral("/À¯");
    QTest::newRow("a UTF-8 surrogate")
        << QByteArray("\xed\xa0\x80") << false << QStringLiteral("í\u00a0€");
    QTest::newRow("controls escaped, a backslash kept")
        << QByteArray("tab\there C:\\data \x1b[31m DEL\x7f NUL") + QByteArray(1, 0) << false
        << R"(tab\there C:\data \x1b[31m DEL\x7f NUL\x00)";
    QTest::newRow("C1 control and bidi override in UTF-8") << QByteArray(
                                                                  "\xc2\x9b"
                                                                  "2J \xe2\x80\xae"
                                                                  "abc")
                                                           << false << R"(\u009b2J \u202eabc)";
    QTest::newRow("outside the BMP") << QByteArray("car \xf0\x9f\x9b\x97 \xf0\xa0\x80\x80") << false
                                     << QStringLiteral("car 🛗 𠀀");
    // A line kept only in part may end inside a character.
    QTest::newRow("cut inside a character")
        << QByteArray("M\xc3\xbcller \xf0\x9f\x9b") << true << QStringLiteral("Müller ");
    QTest::newRow("cut after a whole character")
        << QByteArray("M\xc3\xbcller \xf0\x9f\x9b\x97") << true << QStringLiteral("Müller 🛗");
    QTest::newRow("an unfinished character when not cut")
        << QByteArray("M\xc3\xbcller \xc3") << false << QStringLiteral("MÃ¼ller Ã");
    QTest::newRow("cut, but a lone continuation byte")
        << QByteArray("20 \x96") << true << QStringLiteral("20 –");
    QTest::newRow("cut Windows-1252") << QByteArray(
                                             "Stra\xdf"
                                             "e \xe9")
                                      << true << QStringLiteral("Straße é");
    QTest::newRow("empty") << QByteArray() << false << QString();
  }
  void displayLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, cut);
    QFETCH(QString, shown);
    QCOMPARE(cli::DisplayLine(bytes, cut), shown);
  }
};

QTEST_MAIN(CliTextDecode)
#include "tst_cli_textdecode.moc"
