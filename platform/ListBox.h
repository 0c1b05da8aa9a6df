#pragma once

#include <QString>

#include "platform/LineList.h"

class QListWidget;
class QWidget;

namespace platform {

// A list box on a window: a LineList shown in a list widget. Changes made
// through the list's operations are shown at once; marks and the current
// line changed by the user (a click, the space bar) are taken back into it.
class ListBox : public LineList {
 public:
  ListBox(QWidget* parent, Style style);
  ~ListBox() override;

  QListWidget* widget() const { return list_; }

 protected:
  void Changed(Change change, int index) override;

 private:
  // Gives the widget every line, mark and the current line of the list.
  void ShowAll();

  QListWidget* list_;
  bool owned_;
  // Set while a change of the list is shown, so the widget's signals about
  // it are not taken back as the user's.
  bool showing_ = false;
  // The widget does not yet show what the list holds: it changed while hidden.
  bool stale_ = false;
};

}  // namespace platform
