#pragma once

#include <QString>
#include <functional>

namespace platform {

// Modal message boxes with one OK button, captioned with the program title.
enum class MessageIcon { None, Exclamation };

void ShowMessage(const QString& text, MessageIcon icon = MessageIcon::None);

// Tests replace the modal box with a handler that records the text and
// returns at once. Returns the handler that was in place before.
using MessageHandler = std::function<void(const QString& text, MessageIcon icon)>;
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace platform
