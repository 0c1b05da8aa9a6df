#pragma once

#include <QString>

class QListWidget;
class QWidget;

namespace platform {

// A list box: lines appended at the end, removed from the front, with
// per-line selection marks. Single lets one line carry the mark; Toggle lets
// any number carry it, a click or the space bar toggling one line.
class ListBox {
 public:
  enum class Style { Single, Toggle };

  ListBox(QWidget* parent, Style style);
  ~ListBox();
  ListBox(const ListBox&) = delete;
  ListBox& operator=(const ListBox&) = delete;

  void AddItem(const QString& line);
  void RemoveItem(int index);
  int ListCount() const;
  QString List(int index) const;

  // The current line, -1 for none. Setting it scrolls the line into view.
  int ListIndex() const;
  void SetListIndex(int index);

  bool Selected(int index) const;
  void SetSelected(int index, bool selected);

  // Visible means "not hidden": it holds even while the window is not shown.
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetFocus();

  QListWidget* widget() const { return list_; }

 private:
  QListWidget* list_;
  bool owned_;
};

}  // namespace platform
