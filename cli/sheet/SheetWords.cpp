#include "cli/sheet/SheetWords.h"

#include <QLocale>

#include "core/ChartScale.h"

namespace cli {

namespace {

// What one count is in the tables: 65536 counts are 5 V.
constexpr double kVoltsPerCount = 5.0 / 65536;

const char* const kSetWords[] = {"loaded-up", "empty-up", "loaded-down", "empty-down"};

}  // namespace

QString SamplesSentence(int16_t set, std::size_t count) {
  const QString kind = QString::fromLatin1(set >= 0 && set < 4 ? kSetWords[set] : "target");
  if (count == 0) return QStringLiteral("no %1 samples were taken").arg(kind);
  if (count == 1) return QStringLiteral("1 %1 sample was taken").arg(kind);
  return QStringLiteral("%1 %2 samples were taken").arg(count).arg(kind);
}

QString UnitsSentence(const QString& sensorKind) {
  const QString unit = core::ValueUnit(sensorKind);
  const double perVolt = core::SensorFactor(sensorKind) / kVoltsPerCount;
  if (unit == QStringLiteral("V")) {
    return QStringLiteral(
               "The tables give every reading in volts (V). The chart draws this %1 sensor's "
               "readings "
               "in volts too, the same values as the tables.")
        .arg(sensorKind.toLower());
  }
  return QStringLiteral(
             "The tables give every reading in volts (V). The chart draws this %1 sensor's "
             "readings in %2 on a scale of its own: a reading of 1 V in the tables stands at "
             "%3 %2 on the chart.")
      .arg(sensorKind.toLower(), unit, QString::number(perVolt, 'g', 6));
}

QString KindsSentence(const QString& referenceKind, const QString& fileKind) {
  if (referenceKind == fileKind) return QString();
  return QStringLiteral(
             "The reference reads as a %1 sensor and this file as a %2 sensor: their "
             "differences compare readings of different kinds of sensor.")
      .arg(referenceKind.toLower(), fileKind.toLower());
}

QString ToleranceText(double volts) {
  // With the locale's decimal separator, as the tables' numbers.
  return QLocale().toString(volts, 'g', 15) + QStringLiteral(" V");
}

QString ToleranceRule(double tolerance) {
  return QStringLiteral(
             "The rule: within tolerance when the largest difference of every curve, this file "
             "minus the reference, at any height, is at most %1 in absolute value, each "
             "difference taken in volts to hundredths as the tables show it.")
      .arg(ToleranceText(tolerance));
}

QString VerdictSentence(bool within, double tolerance) {
  return within ? QStringLiteral(
                      "Within tolerance: every curve differs from the reference by at "
                      "most %1.")
                      .arg(ToleranceText(tolerance))
                : QStringLiteral(
                      "Not within tolerance: at least one curve differs from the "
                      "reference by more than %1.")
                      .arg(ToleranceText(tolerance));
}

}  // namespace cli
