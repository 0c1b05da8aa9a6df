#pragma once

#include <QString>
#include <deque>

namespace platform {

// The contents and state of a list box without a widget: its lines, their
// selection marks, the current line, and whether it is shown and enabled.
// A window's ListBox shows one; a program without windows keeps its lists in
// them. Single lets one line carry the mark; Toggle lets any number carry it.
class LineList {
 public:
  enum class Style { Single, Toggle };

  explicit LineList(Style style) : style_(style) {}
  virtual ~LineList() = default;
  LineList(const LineList&) = delete;
  LineList& operator=(const LineList&) = delete;

  Style ListStyle() const { return style_; }

  void AddItem(QString line);
  void RemoveItem(int index);
  // Removes every line at once, as removing the first until none is left does.
  void Clear();
  int ListCount() const { return static_cast<int>(lines_.size()); }
  QString List(int index) const;

  // The current line, -1 for none.
  int ListIndex() const { return current_; }
  void SetListIndex(int index);

  bool Selected(int index) const;
  void SetSelected(int index, bool selected);

  // Visible means "not hidden": it holds even while no window is shown.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Asks whatever shows the list to give it the keyboard focus.
  void SetFocus() { Changed(Change::Focus, -1); }

 protected:
  enum class Change { Added, Removed, Cleared, Mark, Current, Visible, Enabled, Focus };
  // Told of each change made through the operations above, after it is made,
  // so that a view can show it; index is the line concerned, or -1.
  virtual void Changed(Change /*change*/, int /*index*/) {}

  // A mark or the current line as a view changed it; nobody is told.
  void TakeMark(int index, bool marked);
  void TakeCurrent(int index) { current_ = index >= 0 && index < ListCount() ? index : -1; }

 private:
  bool Contains(int index) const { return index >= 0 && index < ListCount(); }

  struct Line {
    QString text;
    bool marked = false;
  };

  Style style_;
  // Emptied from the front, line by line: a deque lets each line go at once.
  std::deque<Line> lines_;
  int current_ = -1;
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace platform
