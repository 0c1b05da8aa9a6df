// The bounded line reader under the CRV reader: line endings, the byte-order
// mark and long lines, at every chunk boundary. What it refuses to open is
// checked through the reader, with its messages.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/TextLineReader.h"

using core::TextLine;
using core::TextLineReader;
using core::TextLineReaderOptions;

namespace {

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath(QStringLiteral("lines.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

// Every line, "+" marking a truncated one; "<error>" when the read failed.
QList<QByteArray> ReadAll(const QString& path, TextLineReaderOptions options) {
  TextLineReader reader(std::move(options));
  if (!reader.Open(path)) return {"<not opened>"};
  QList<QByteArray> lines;
  TextLine line;
  TextLineReader::Result result;
  while ((result = reader.Next(line)) == TextLineReader::Result::Line) {
    lines.append(QByteArray::fromStdString(line.head) + (line.truncated ? "+" : ""));
  }
  if (result == TextLineReader::Result::Error) lines.append("<error>");
  return lines;
}

}  // namespace

class TestLineReader : public QObject {
  Q_OBJECT

 private slots:
  void lineEndings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    using L = QList<QByteArray>;
    QTest::newRow("empty file") << QByteArray() << L{};
    QTest::newRow("no ending") << QByteArray("a") << L{"a"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << L{"a", "b"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << L{"a", "b"};
    QTest::newRow("CR CR") << QByteArray("a\r\r") << L{"a", ""};
    QTest::newRow("lone LF stays") << QByteArray("a\nb\rc") << L{"a\nb", "c"};
    QTest::newRow("LF only") << QByteArray("\n") << L{"\n"};
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << L{"a\n", "b"};
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n") << L{"", ""};
    QTest::newRow("BOM dropped") << QByteArray(
                                        "\xEF\xBB\xBF"
                                        "a\r\n")
                                 << L{"a"};
    QTest::newRow("BOM alone") << QByteArray("\xEF\xBB\xBF") << L{};
    QTest::newRow("BOM later kept") << QByteArray("\r\xEF\xBB\xBF") << L{"", "\xEF\xBB\xBF"};
    QTest::newRow("half a BOM kept") << QByteArray(
                                            "\xEF\xBB"
                                            "a")
                                     << L{"\xEF\xBB"
                                          "a"};
    // With 16-byte chunks the CR ends one chunk and its LF starts the next.
    QTest::newRow("CR LF across chunks")
        << QByteArray("0123456789abcde\r\nX\r\n") << L{"0123456789abcde", "X"};
    QTest::newRow("CR at file end after chunk")
        << QByteArray("0123456789abcdef\r") << L{"0123456789abcdef"};
    QTest::newRow("line longer than head")
        << QByteArray("0123456789012345678901\rab") << L{"01234567890123456789+", "ab"};
  }
  void lineEndings() {
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, bytes);
    for (const std::size_t chunk : {16, 17, 19, 65536}) {
      TextLineReaderOptions options;
      options.headLimit = 20;
      options.chunkSize = chunk;
      QCOMPARE(ReadAll(path, options), lines);
    }
  }

  void watchesSeeTheWholeLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("percentComma");
    QTest::addColumn<bool>("comma");
    const QByteArray filler(100, 'x');
    QTest::newRow("neither") << "ELEV" + filler << false << false;
    QTest::newRow("comma far out") << "ELEV" + filler + "," << false << true;
    QTest::newRow("mark far out") << filler + "%," + filler << true << true;
    QTest::newRow("mark split over chunks") << QByteArray(15, 'x') + "%," + filler << true << true;
    QTest::newRow("percent without comma") << filler + "%" + filler << false << false;
    QTest::newRow("mark in head") << "5%," + filler << true << true;
  }
  void watchesSeeTheWholeLine() {
    QFETCH(QByteArray, line);
    QFETCH(bool, percentComma);
    QFETCH(bool, comma);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, line + "\r\nnext");
    for (const std::size_t chunk : {16, 17, 18, 65536}) {
      TextLineReaderOptions options;
      options.headLimit = 8;
      options.chunkSize = chunk;
      options.watch = {"%,", ","};
      TextLineReader reader(options);
      QVERIFY(reader.Open(path));
      TextLine read;
      QCOMPARE(reader.Next(read), TextLineReader::Result::Line);
      QCOMPARE(QByteArray::fromStdString(read.head), line.left(8));
      QVERIFY(read.truncated);
      QCOMPARE(read.length, static_cast<std::uint64_t>(line.size()));
      QCOMPARE(read.contains, (std::vector<bool>{percentComma, comma}));
      // The next line starts clean.
      QCOMPARE(reader.Next(read), TextLineReader::Result::Line);
      QCOMPARE(read.head, std::string("next"));
      QCOMPARE(read.contains, (std::vector<bool>{false, false}));
      QCOMPARE(reader.Next(read), TextLineReader::Result::End);
    }
  }
};

QTEST_MAIN(TestLineReader)
#include "tst_core_linereader.moc"
