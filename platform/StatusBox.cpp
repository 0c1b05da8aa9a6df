#include "platform/StatusBox.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace platform {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");

// A text box that, asked while hidden to put its caret at the end, does so
// when it is shown: laying out lines that cannot be seen yet only costs time,
// as when a file named at start-up is read before the window shows.
class LogEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  bool caretToEndWhenShown = false;

 protected:
  // Every paste (Ctrl+V, Shift+Insert, the middle button's primary
  // selection, a drop) arrives here. Qt 6.4's own insertion takes the first
  // of the formats offered without asking whether there is one, and reads
  // through a null pointer when there is none: the primary selection offers
  // none when nothing is selected anywhere, so one middle click crashed the
  // program. The log takes plain text, and nothing from an empty offer.
  void insertFromMimeData(const QMimeData* source) override {
    if (source == nullptr || !source->hasText()) return;
    const QString text = source->text();
    if (text.isEmpty()) return;
    insertPlainText(text);
    ensureCursorVisible();
  }

  void showEvent(QShowEvent* event) override {
    QPlainTextEdit::showEvent(event);
    if (!caretToEndWhenShown) return;
    caretToEndWhenShown = false;
    moveCursor(QTextCursor::End);
  }
};

LogEdit* Edit(QPlainTextEdit* edit) {
  return static_cast<LogEdit*>(edit);
}

}  // namespace

StatusBox::StatusBox(QWidget* parent) : edit_(new LogEdit(parent)), owned_(parent == nullptr) {
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

int StatusBox::Length() const {
  const QTextDocument* document = edit_->document();
  // One character of the document ends it; each paragraph break is CR LF.
  return document->characterCount() - 1 + document->blockCount() - 1;
}

void StatusBox::SetText(const QString& text) {
  Edit(edit_)->caretToEndWhenShown = false;
  QString plain = text;
  plain.replace(kCrLf, kLf);
  edit_->setPlainText(plain);
}

int StatusBox::SelStart() const {
  QTextCursor cursor = edit_->textCursor();
  if (Edit(edit_)->caretToEndWhenShown) cursor.movePosition(QTextCursor::End);
  // Each paragraph break before the caret stands for two characters.
  return cursor.position() + cursor.blockNumber();
}

int StatusBox::DocumentPosition(int position) const {
  int remaining = position;
  for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
    const int length = block.length() - 1;  // without its paragraph break
    if (remaining <= length || !block.next().isValid()) {
      return block.position() + std::min(std::max(remaining, 0), length);
    }
    remaining -= length + 2;
  }
  return 0;
}

void StatusBox::SetSelStart(int position) {
  Edit(edit_)->caretToEndWhenShown = false;
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(DocumentPosition(position));
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void StatusBox::CutAndAppend(int count, const QString& text) {
  QTextCursor cursor(edit_->document());
  if (count > 0) {
    // A cut that takes whole lines takes their paragraph breaks too.
    cursor.setPosition(DocumentPosition(count), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  cursor.movePosition(QTextCursor::End);
  QString plain = text;
  plain.replace(kCrLf, kLf);
  cursor.insertText(plain);
  if (!edit_->isVisible()) {
    Edit(edit_)->caretToEndWhenShown = true;
    return;
  }
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void StatusBox::Refresh() {
  edit_->repaint();
}

}  // namespace platform
