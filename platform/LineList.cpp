#include "platform/LineList.h"

#include <utility>

namespace platform {

void LineList::AddItem(QString line) {
  lines_.push_back({std::move(line), false});
  Changed(Change::Added, ListCount() - 1);
}

void LineList::RemoveItem(int index) {
  if (!Contains(index)) return;
  lines_.erase(lines_.begin() + index);
  // A removed current line hands the part to the line before it, or to the
  // one after when it was the first, as list boxes do.
  if (current_ > index || (current_ == index && index > 0)) {
    --current_;
  } else if (current_ == index && index >= ListCount()) {
    current_ = -1;
  }
  Changed(Change::Removed, index);
}

void LineList::Clear() {
  lines_.clear();
  current_ = -1;
  Changed(Change::Cleared, -1);
}

QString LineList::List(int index) const {
  return Contains(index) ? lines_[static_cast<std::size_t>(index)].text : QString();
}

void LineList::SetListIndex(int index) {
  TakeCurrent(index);
  Changed(Change::Current, current_);
}

bool LineList::Selected(int index) const {
  return Contains(index) && lines_[static_cast<std::size_t>(index)].marked;
}

void LineList::SetSelected(int index, bool selected) {
  if (!Contains(index)) return;
  // One mark at most: marking a line takes the mark from any other.
  if (selected && style_ == Style::Single) {
    for (int i = 0; i < ListCount(); ++i) {
      if (i != index && Selected(i)) SetSelected(i, false);
    }
  }
  lines_[static_cast<std::size_t>(index)].marked = selected;
  Changed(Change::Mark, index);
}

void LineList::SetVisible(bool visible) {
  visible_ = visible;
  Changed(Change::Visible, -1);
}

void LineList::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed(Change::Enabled, -1);
}

void LineList::TakeMark(int index, bool marked) {
  if (Contains(index)) lines_[static_cast<std::size_t>(index)].marked = marked;
}

}  // namespace platform
