#include "core/ListText.h"

#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace core {

namespace {

// The switch lines the Targets list shows; a third one stops the read first.
constexpr std::size_t kListedSwitches = 2;

}  // namespace

QString ElevationSwitchHeading() {
  return QStringLiteral("Elevation Switch");
}

QString SwitchLineText(const SwitchLine& line) {
  return line.up ? QStringLiteral("Up @%1%").arg(line.height)
                 : QStringLiteral("Down @%1%").arg(line.height);
}

QString SampleBlockHeading(int16_t set) {
  QString heading = CurveCaption(set);
  heading.chop(QStringLiteral(" Samples").size());
  return heading;
}

bool IsSampleHeight(const SampleSlots* set, int16_t height) {
  for (std::size_t i = 0; set != nullptr && i < set->height.size(); ++i) {
    if (set->height[i] == kEmptySlot) break;
    if (set->height[i] == height) return true;
  }
  return false;
}

std::vector<ListLine> CurveListLines(int16_t code, const Curve& curve, const SampleSlots* set) {
  std::vector<ListLine> lines;
  lines.reserve(curve.size() + 1);
  lines.push_back({CurveCaption(code), false});
  for (std::size_t row = 0; row < curve.size(); ++row) {
    const auto height = static_cast<int16_t>(row);
    lines.push_back({ValueLine(height, curve[row]), IsSampleHeight(set, height)});
  }
  return lines;
}

std::vector<ListLine> DeltaListLines(const Curve& curve) {
  std::vector<ListLine> lines;
  lines.reserve(curve.size());
  for (std::size_t row = 0; row < curve.size(); ++row) {
    lines.push_back({ValueLine(static_cast<int16_t>(row), curve[row]), false});
  }
  return lines;
}

QStringList TargetsListLines(const CrvRead& read) {
  QStringList lines;
  for (std::size_t i = 0; i < read.switches.size() && i < kListedSwitches; ++i) {
    if (i == 0) lines.append(ElevationSwitchHeading());
    lines.append(SwitchLineText(read.switches[i]));
  }
  for (const SampleBlock& block : read.blocks) {
    for (std::size_t n = 0; n < block.samples.size(); ++n) {
      if (n == 0) {
        if (!lines.isEmpty()) lines.append(QString());
        lines.append(SampleBlockHeading(block.set));
      }
      lines.append(ValueLine(block.samples[n].height, block.samples[n].value));
    }
  }
  return lines;
}

bool TargetsEnabled(const CrvRead& read) {
  if (!read.switches.empty()) return true;
  for (const SampleBlock& block : read.blocks) {
    if (block.set == 0 && !block.samples.empty()) return true;
  }
  return false;
}

}  // namespace core
