#include "StatusBox.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace platform {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
}  // namespace

StatusBox::StatusBox(QWidget* parent)
    : edit_(new QPlainTextEdit(parent)), owned_(parent == nullptr) {
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setUndoRedoEnabled(false);
  // Tab moves on to the next control rather than typing a tab.
  edit_->setTabChangesFocus(true);
}

StatusBox::~StatusBox() {
  if (owned_) delete edit_;
}

// The document keeps paragraphs; the log keeps CR LF line ends. The raw text
// keeps every character as set (the plain text would turn no-break spaces into
// blanks); its paragraph separators are the line ends.
QString StatusBox::Text() const {
  QString text = edit_->document()->toRawText();
  text.replace(QChar(QChar::ParagraphSeparator), kCrLf);
  return text;
}

void StatusBox::SetText(const QString& text) {
  QString plain = text;
  plain.replace(kCrLf, kLf);
  edit_->setPlainText(plain);
}

int StatusBox::SelStart() const {
  const QTextCursor cursor = edit_->textCursor();
  // Each paragraph break before the caret stands for two characters.
  return cursor.position() + cursor.blockNumber();
}

void StatusBox::SetSelStart(int position) {
  QTextCursor cursor = edit_->textCursor();
  int documentPosition = 0;
  int remaining = position;
  for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
    const int length = block.length() - 1;  // without its paragraph break
    if (remaining <= length || !block.next().isValid()) {
      documentPosition = block.position() + std::min(std::max(remaining, 0), length);
      break;
    }
    remaining -= length + 2;
  }
  cursor.setPosition(documentPosition);
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void StatusBox::Refresh() {
  edit_->repaint();
}

}  // namespace platform
