#include "HeadlessWindow.h"

#include <memory>

#include "CURVEroutines.h"

namespace cli {

using CURVEroutines::kFirstCode;
using CURVEroutines::kLastCode;
using CURVEroutines::kTargets;

HeadlessWindow::HeadlessWindow() : printChart_(QStringLiteral("&Print Chart"), false) {
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    // As on the window: Targets keeps one mark, the curve lists any number.
    lists_.Set(code, std::make_unique<platform::LineList>(code == kTargets
                                                              ? platform::LineList::Style::Single
                                                              : platform::LineList::Style::Toggle));
    options_.Set(code,
                 std::make_unique<platform::Option>(optionSet_, CURVEroutines::CurveName(code)));
    // Selecting a curve's option shows its list alone, as on the window.
    options_(code).OnClick([this, code] {
      for (int16_t i = kFirstCode; i <= kLastCode; ++i) lists_(i).SetVisible(i == code);
    });
  }
  previousHandler_ = platform::SetMessageHandler(
      [this](const QString& text, platform::MessageIcon) { boxes_.append(text); });
  CURVEroutines::BindCurveWindow(this);
}

HeadlessWindow::~HeadlessWindow() {
  CURVEroutines::BindCurveWindow(nullptr);
  platform::SetMessageHandler(previousHandler_);
}

void HeadlessWindow::PrintMessage(const QString& msg, int16_t newlineflag) {
  unfinishedLine_ += msg;
  if (newlineflag == 0) return;
  log_.append(unfinishedLine_);
  unfinishedLine_.clear();
}

void HeadlessWindow::Forget() {
  log_.clear();
  boxes_.clear();
  unfinishedLine_.clear();
}

}  // namespace cli
