// mirelda-crv info: what a file holds.
#include <QTemporaryDir>
#include <QTest>

#include "tests/calibration/CrvBuilder.h"
#include "tests/cli/CliRun.h"

class CliInfo : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { WriteCliFiles(dir_); }
  void cleanupTestCase() { RemoveCliFiles(); }

  // The lines before the header as they stand, then what the file holds.
  void info_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    const QString strain = Example("strain-car1.CRV");
    const QString pressure = Example("pressure-car2.CRV");
    const QString bad = Example("bad-row.CRV");
    // The file's own lines, set apart from what the program says.
    const auto indented = [](QStringList lines) {
      for (QString& line : lines) line.prepend("    ");
      return lines;
    };
    const QStringList strainRun = indented(
        {"Lift load weighing - calibration curves", "Installation: Harbour Street 12, car 1",
         "Sensor: strain gauge under car frame", "Run: 2026-11-14 09:42"});
    QTest::newRow("strain") << strain
                            << QStringList{"File: " + strain, "Lines before the header: 5"} +
                                   strainRun +
                                   QStringList{"",
                                               "Outcome: Success!",
                                               "Sensor kind: STRAIN, chart range 46 to 109 mV",
                                               "Elevation switch Up: 46%",
                                               "Elevation switch Down: 48%",
                                               "Loaded Up Samples: 5",
                                               "Empty Up Samples: 5",
                                               "Loaded Down Samples: 4",
                                               "Empty Down Samples: 4"}
                            << 0;
    QTest::newRow("pressure") << pressure
                              << QStringList{"File: " + pressure,
                                             "Lines before the header: 4",
                                             "    Lift load weighing - calibration curves",
                                             "    Installation: Mill Lane depot, car 2",
                                             "    Sensor: hydraulic pressure transducer",
                                             "    Run: 2026-11-15 14:05",
                                             "Outcome: Success!",
                                             "Sensor kind: PRESSURE, chart range 0 to 2.5 V",
                                             "Elevation switch Up: 52%",
                                             "Elevation switch Down: none",
                                             "Loaded Up Samples: 5",
                                             "Empty Up Samples: 0 INVALID!",
                                             "Loaded Down Samples: 3",
                                             "Empty Down Samples: 4"}
                              << 0;
    QTest::newRow("refused") << bad
                             << QStringList{"File: " + bad, "Lines before the header: 4"} +
                                    strainRun +
                                    QStringList{
                                        "Outcome: Problem at line 43: field 4 \"014772\": "
                                        "a leading zero"}
                             << 1;
    CrvBuilder odd;
    odd.preamble = {"tab\there C:\\data", QByteArray("bell\a, NUL \0, LF \n and Latin-1 \xE9", 32),
                    "UTF-8: M\xC3\xBCller", "Windows-1252: Wei\xDF \x96 12"};
    const QString oddFile = WriteCrv(dir_, odd.Bytes(), "odd.CRV");
    QByteArray lines;
    for (int n = 0; n < 40000; ++n) lines += "x\r\n";
    const QString huge = WriteCrv(dir_, lines, "huge.CRV");
    QTest::newRow("no header: the lines before it capped")
        << huge << QStringList{"File: " + huge, "Lines before the header: 32767", "    x"} << 1;
    QTest::newRow("control characters shown")
        << oddFile
        << QStringList{"File: " + oddFile,        "Lines before the header: 4",
                       "    tab\\there C:\\data", "    bell\\x07, NUL \\x00, LF \\n and Latin-1 é",
                       "    UTF-8: Müller",       "    Windows-1252: Weiß – 12",
                       "Outcome: Success!"}
        << 0;
  }
  void info() {
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    const Run run = Crv({"info", file});
    QCOMPARE(run.out.mid(0, lines.size()), lines);
    QCOMPARE(run.status, status);
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(CliInfo)
#include "tst_cli_info.moc"
