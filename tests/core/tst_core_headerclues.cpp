// Why a file has no header line: its bytes, split into lines as the reader
// splits them, give the reason mirelda-crv prints.
#include <QTemporaryFile>
#include <QtTest>

#include "core/HeaderClues.h"
#include "core/TextLineReader.h"

namespace {

const QByteArray kHeader = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
const QByteArray kRow = "0%,1,2,3,4,5";

QByteArray Utf16(const QByteArray& ascii, bool bigEndian) {
  QByteArray bytes;
  for (const char c : ascii) bytes += bigEndian ? QByteArray(1, '\0') + c : c + QByteArray(1, '\0');
  return bytes;
}

core::HeaderReason ReasonOf(const QByteArray& bytes) {
  QTemporaryFile file;
  if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) return {};
  core::TextLineReader reader;
  reader.Open(file.fileName());
  core::HeaderClues clues;
  core::TextLine line;
  while (reader.Next(line) == core::TextLineReader::Result::Line) {
    clues.See(line.head, line.truncated);
  }
  return clues.Reason();
}

}  // namespace

class TestHeaderClues : public QObject {
  Q_OBJECT

 private slots:
  void reasons_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QString near = QStringLiteral(" (the header is ") + kHeader + ')';
    const auto row = [](const char* tag, const QByteArray& bytes, const char* name,
                        const QString& text) { QTest::newRow(tag) << bytes << name << text; };
    row("empty file", "", "empty-file", "the file is empty");
    row("a byte-order mark alone", "\xEF\xBB\xBF", "empty-file", "the file is empty");
    row("nothing like a header", "Run 4\r\nno curves here\r\n", "no-header",
        "no header line (" + kHeader + ')');
    row("a column missing", "Height,Dynamic,Loaded Up,Empty Up,Loaded Down\r\n", "no-header",
        "no header line (" + kHeader + ')');
    const QString lf = "no header line: lines end in LF only, where a line ends at CR or CR LF";
    row("LF-only endings", "Car 1\n" + kHeader + '\n' + kRow + '\n', "lf-only", lf);
    row("LF-only, header with a trailing comma", "Car 1\n" + kHeader + ",\n" + kRow, "lf-only",
        lf + "; the header also has a trailing comma");
    row("UTF-16 with its byte-order mark", "\xFF\xFE" + Utf16(kHeader + "\r\n", false), "utf-16",
        "no header line: the file is UTF-16 text, not ASCII (save it as ASCII or UTF-8)");
    row("UTF-16 big-endian, no mark", Utf16("Car 1\r\n" + kHeader + "\r\n", true), "utf-16",
        "no header line: the file is UTF-16 text, not ASCII (save it as ASCII or UTF-8)");
    // The CR of a blank first line leaves the NUL after it to the second line.
    row("UTF-16, blank first line", Utf16("\r\n" + kHeader + "\r\n", false), "utf-16",
        "no header line: the file is UTF-16 text, not ASCII (save it as ASCII or UTF-8)");
    row("UTF-32 with its byte-order mark", QByteArray("\xFF\xFE\0\0H\0\0\0e\0\0\0", 12), "utf-32",
        "no header line: the file is UTF-32 text, not ASCII (save it as ASCII or UTF-8)");
    row("NUL bytes in text", QByteArray("Car 1\r\nRun\0 4, shift\r\n", 22), "nul-bytes",
        "no header line: NUL bytes on line 2, not ASCII text");
    row("blanks after the commas",
        "Car 1\r\nHeight, Dynamic, Loaded Up, Empty Up, Loaded Down, Empty Down\r\n", "near-header",
        "no header line: line 2 has blanks" + near);
    row("a blank at the end", kHeader + " \r\n", "near-header",
        "no header line: line 1 has blanks" + near);
    row("a blank dropped", "Height,Dynamic,LoadedUp,Empty Up,Loaded Down,Empty Down\r\n",
        "near-header", "no header line: line 1 has blanks" + near);
    row("a trailing comma", "\r\n\r\n" + kHeader + ",\r\n", "near-header",
        "no header line: line 3 has a trailing comma" + near);
    row("lower case and two trailing commas", kHeader.toLower() + ",,\r\n", "near-header",
        "no header line: line 1 has a trailing comma" + near);
    row("blanks and a trailing comma",
        "height , dynamic,loaded up,empty up,loaded down,empty down,\r", "near-header",
        "no header line: line 1 has blanks and a trailing comma" + near);
    row("semicolons", "Height;Dynamic;Loaded Up;Empty Up;Loaded Down;Empty Down\r\n", "near-header",
        "no header line: line 1 has semicolons for commas" + near);
    row("tabs", "Height\tDynamic\tLoaded Up\tEmpty Up\tLoaded Down\tEmpty Down\r\n", "near-header",
        "no header line: line 1 has tabs for commas" + near);
    row("quotes, blanks and a trailing comma",
        "\"Height\", \"Dynamic\",\"Loaded Up\",\"Empty Up\",\"Loaded Down\",\"Empty Down\",\r\n",
        "near-header",
        "no header line: line 1 has blanks, a trailing comma and quotation marks" + near);
    row("the first near line is named", kHeader + ",\r\n" + kHeader + " \r\n", "near-header",
        "no header line: line 1 has a trailing comma" + near);
    row("a header cut short is no near header", kHeader + QByteArray(5000, ' ') + "\r\n",
        "no-header", "no header line (" + kHeader + ')');
  }

  void reasons() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, text);
    const core::HeaderReason reason = ReasonOf(bytes);
    QCOMPARE(QString::fromStdString(core::HeaderReasonText(reason)), text);
    QCOMPARE(QString::fromLatin1(core::HeaderFaultName(reason.fault)), name);
  }
};

QTEST_GUILESS_MAIN(TestHeaderClues)
#include "tst_core_headerclues.moc"
