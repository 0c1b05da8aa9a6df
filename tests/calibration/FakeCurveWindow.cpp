#include "tests/calibration/FakeCurveWindow.h"

#include "calibration/CURVEroutines.h"

using namespace CURVEroutines;

FakeCurveWindow::FakeCurveWindow() {
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    lists_.Set(code, std::make_unique<platform::ListBox>(
                         &host_, code == kTargets ? platform::ListBox::Style::Single
                                                  : platform::ListBox::Style::Toggle));
    buttons_.Set(code,
                 std::make_unique<platform::OptionButton>(&host_, group_, CurveCaption(code)));
    // Which list a click shows is the main window's business, tested there.
    buttons_(code).OnClick([this, code] { events.append(QStringLiteral("click: %1").arg(code)); });
  }
  previousHandler_ =
      platform::SetMessageHandler([this](const QString& text, platform::MessageIcon icon) {
        events.append((icon == platform::MessageIcon::Exclamation ? QStringLiteral("warn: ")
                                                                  : QStringLiteral("box: ")) +
                      text);
      });
  BindCurveWindow(this);
}

FakeCurveWindow::~FakeCurveWindow() {
  BindCurveWindow(nullptr);
  platform::SetMessageHandler(previousHandler_);
}

void FakeCurveWindow::PrintMessage(const QString& msg, int16_t newlineflag) {
  events.append(QStringLiteral("log: ") + msg +
                (newlineflag ? QString() : QStringLiteral("<no newline>")));
}

void FakeCurveWindow::Refresh() {
  QString shown;
  for (const int code : VisibleLists()) {
    const platform::ListBox& list = lists_(static_cast<int16_t>(code));
    shown += QStringLiteral(" %1:%2%3")
                 .arg(code)
                 .arg(list.ListIndex())
                 .arg(list.Selected(list.ListIndex()) ? QStringLiteral("*") : QString());
  }
  events.append(QStringLiteral("repaint:") + shown);
}

QStringList FakeCurveWindow::Lines(int16_t code) {
  QStringList lines;
  platform::ListBox& list = lists_(code);
  for (int i = 0; i < list.ListCount(); ++i) {
    lines.append((list.Selected(i) ? QStringLiteral("*") : QString()) + list.List(i));
  }
  return lines;
}

QList<int> FakeCurveWindow::VisibleLists() {
  QList<int> visible;
  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    if (lists_(code).Visible()) visible.append(code);
  }
  return visible;
}

QStringList FakeCurveWindow::Log() const {
  QStringList log;
  for (const QString& event : events) {
    if (event.startsWith(QStringLiteral("log: "))) log.append(event.mid(5));
  }
  return log;
}
