#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/AppInfo.h"
#include "platform/FileName.h"

namespace platform {

namespace {

void ShowModalBox(const QString& text, MessageIcon icon) {
  // The text may name a file whose name is not UTF-8.
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  AppInfo::Title(), ShownFileName(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

MessageHandler& CurrentHandler() {
  static MessageHandler handler = ShowModalBox;
  return handler;
}

}  // namespace

void ShowMessage(const QString& text, MessageIcon icon) {
  CurrentHandler()(text, icon);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(CurrentHandler());
  CurrentHandler() = handler ? std::move(handler) : MessageHandler(ShowModalBox);
  return previous;
}

}  // namespace platform
