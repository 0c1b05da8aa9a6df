#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace platform {

// A multi-line text box with both scroll bars and no wrapping. Its text is
// exchanged with CR LF between lines, as the status log counts it.
class StatusBox {
 public:
  explicit StatusBox(QWidget* parent);
  ~StatusBox();
  StatusBox(const StatusBox&) = delete;
  StatusBox& operator=(const StatusBox&) = delete;

  QString Text() const;
  void SetText(const QString& text);
  // The caret position, in characters of Text().
  int SelStart() const;
  void SetSelStart(int position);
  // Repaints at once, so progress shows while a handler is still running.
  void Refresh();

  QPlainTextEdit* widget() const { return edit_; }

 private:
  QPlainTextEdit* edit_;
  bool owned_;
};

}  // namespace platform
