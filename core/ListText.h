#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "core/CrvRead.h"
#include "core/Curves.h"
#include "core/SampleSets.h"

// The lines of the main window's lists, as text and selection marks.
namespace core {

struct ListLine {
  QString text;
  bool marked = false;
};

// The first line of the Targets list's switch lines, and one line per switch:
// "Up @45%", "Down @47%".
QString ElevationSwitchHeading();
QString SwitchLineText(const SwitchLine& line);

// The heading of a sample block in the Targets list: "Loaded Up", ...
QString SampleBlockHeading(int16_t set);

// A measured curve's list (241..245): its caption, then one value line per
// height, marked where a sample of its set (when it has one) lies.
std::vector<ListLine> CurveListLines(int16_t code, const Curve& curve, const SampleSlots* set);
// Whether a height's line is marked: a sample of the set lies there.
bool IsSampleHeight(const SampleSlots* set, int16_t height);

// A difference curve's list: one value line per height, no caption.
std::vector<ListLine> DeltaListLines(const Curve& curve);

// The Targets list a read fills: the switch lines (a refused third one not
// listed), then each sample block that holds a sample, after an empty line
// when the list is not empty, with the samples in file order.
QStringList TargetsListLines(const CrvRead& read);

// Whether the read enables the Targets list and its button: a switch line
// or a sample of set 0 does.
bool TargetsEnabled(const CrvRead& read);

}  // namespace core
