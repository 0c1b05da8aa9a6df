#include "platform/FileOpenDialog.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <array>
#include <climits>

#include "platform/FileName.h"
#include "platform/FolderListing.h"
#include "platform/OpenFileWindow.h"

namespace platform {

namespace {

// The working folder by its bytes (Qt's own spelling loses those that are not UTF-8).
QString CurrentFolder() {
  std::array<char, PATH_MAX> bytes{};
  return ::getcwd(bytes.data(), bytes.size()) != nullptr ? DecodeFileName(bytes.data())
                                                         : QStringLiteral("/");
}

// One dialog serves the whole run: it keeps its folder and the folders it
// passed through ("Look in") from one use to the next, as a user expects
// within a run, and nothing is kept beyond it: no settings file is read or
// written.
OpenFileWindow& RunDialog(QWidget* parent) {
  static QPointer<OpenFileWindow> dialog;
  if (dialog && dialog->parentWidget() != parent) delete dialog;
  if (!dialog) {
    dialog = new OpenFileWindow(parent);
    if (parent == nullptr) {
      QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    dialog->SetFolder(CurrentFolder());
  }
  return *dialog;
}

CommonDialog::OpenHandler& CurrentHandler() {
  static CommonDialog::OpenHandler handler;
  return handler;
}

}  // namespace

bool CommonDialog::ShowOpen() {
  if (CurrentHandler()) {
    // Tests answer with a name as a window shows it: U+FFFD is matched back.
    FileName = FileNameFromShown(CurrentHandler()(*this));
    return !FileName.isEmpty();
  }
  OpenFileWindow& dialog = RunDialog(parent_);
  dialog.setWindowTitle(DialogTitle);
  dialog.SetFileMustExist((Flags & kFileMustExist) != 0);
  // No read-only check box is offered, so kHideReadOnly needs nothing.
  dialog.SetFilter(Filter);
  dialog.SetName(FileName);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  // The next use opens in the chosen file's folder, however it was named.
  if (chosen) dialog.SetFolder(FolderAbove(dialog.ChosenPath()));
  FileName = chosen ? dialog.ChosenPath() : QString();
  return chosen;
}

CommonDialog::OpenHandler CommonDialog::SetOpenHandler(OpenHandler handler) {
  OpenHandler previous = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return previous;
}

}  // namespace platform
