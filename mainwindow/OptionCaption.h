#pragma once

#include <QString>
#include <cstdint>

namespace mainwindow {

// The caption of the option button of a curve code 240..247, the curve's
// name: "Targets", "Dynamic", ... "Delta Up", "Delta Down".
QString OptionCaption(int16_t code);

}  // namespace mainwindow
