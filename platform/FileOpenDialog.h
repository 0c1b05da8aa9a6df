#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

// The common file-open dialog, set up through its members and shown with
// ShowOpen. A cancelled dialog leaves FileName empty.
class CommonDialog {
 public:
  // Flag bits: the chosen file must exist; the read-only check box is hidden.
  static constexpr int kFileMustExist = 0x1000;
  static constexpr int kHideReadOnly = 0x4;

  explicit CommonDialog(QWidget* parent = nullptr) : parent_(parent) {}

  bool CancelError = false;
  QString DialogTitle;
  int Flags = 0;
  QString FileName;
  // Pairs of description and pattern, separated by bars: "Text Files (*.TXT)|*.TXT".
  QString Filter;

  // Waits until the user closes the dialog; the chosen path, or "", is in FileName.
  // Returns false when the user cancelled.
  bool ShowOpen();

  // Tests answer in place of the modal dialog: the handler sees the members
  // as set up and returns the chosen path as Qt's dialog gives it, or "" for
  // a cancel. Returns the handler that was in place before.
  using OpenHandler = std::function<QString(const CommonDialog& dialog)>;
  static OpenHandler SetOpenHandler(OpenHandler handler);

 private:
  QWidget* parent_;
};

}  // namespace platform
