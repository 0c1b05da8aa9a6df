#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// The sheet's sentences for a customer, each from the facts it states.
namespace cli {

// "no empty-up samples were taken", "1 loaded-up sample was taken", ...
QString SamplesSentence(int16_t set, std::size_t count);

// How the volts of the sheet's tables stand to the unit of the chart drawn
// for a sensor of this kind ("STRAIN" charts in mV, "PRESSURE" in V).
QString UnitsSentence(const QString& sensorKind);

// When the two runs read as different sensor kinds, a sentence that says
// so; empty when they read as the same.
QString KindsSentence(const QString& referenceKind, const QString& fileKind);

// A tolerance in volts as the sheet writes it: "0.05 V".
QString ToleranceText(double volts);

// The rule the verdict is decided by, in plain words.
QString ToleranceRule(double tolerance);

// The overall verdict: "Within tolerance: ..." or "Not within tolerance: ...".
QString VerdictSentence(bool within, double tolerance);

}  // namespace cli
