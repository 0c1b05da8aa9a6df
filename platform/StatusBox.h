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
  // The length of Text(), without making it.
  int Length() const;
  void SetText(const QString& text);
  // The caret position, in characters of Text().
  int SelStart() const;
  void SetSelStart(int position);
  // Drops the first count characters of Text(), appends text, and puts the
  // caret after it, in view.
  void CutAndAppend(int count, const QString& text);
  // Repaints at once, so progress shows while a handler is still running.
  void Refresh();

  QPlainTextEdit* widget() const { return edit_; }

 private:
  // The place in the document of a position in Text().
  int DocumentPosition(int position) const;

  QPlainTextEdit* edit_;
  bool owned_;
};

}  // namespace platform
