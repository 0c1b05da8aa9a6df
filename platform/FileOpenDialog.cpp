#include "FileOpenDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>

#include "FileName.h"

namespace platform {

namespace {

// Qt's file dialog reads and writes its own settings file (~/.config/
// QtProject.conf, with a lock file) on every use, and the program writes no
// files. Its settings are sent where nothing can be read or written: a path in
// Qt's resources, which no file system backs. What the dialog keeps from one
// use to the next (folder, history, layout) is kept in memory, for the run.
void KeepDialogSettingsInMemory() {
  [[maybe_unused]] static const bool pointed = [] {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(format, QSettings::UserScope, QStringLiteral(":/no-settings"));
    }
    return true;
  }();
}

// The folders the dialog's "Look in" list offers, kept from one use to the
// next as Qt's dialog keeps them in its settings file.
QStringList& RecentFolders() {
  static QStringList folders;
  return folders;
}

// One dialog serves the whole run: made anew for every use, Qt's dialog
// (its file system model, watcher and icons) left resident memory a little
// higher each time. Kept, it also keeps its folder, history and layout from
// one use to the next, as a user expects within a run, but not the folders it
// passed through: those are given back on every use.
QFileDialog& RunDialog(QWidget* parent) {
  static QPointer<QFileDialog> dialog;
  if (dialog && dialog->parentWidget() != parent) delete dialog;
  if (!dialog) {
    dialog = new QFileDialog(parent);
    if (parent == nullptr) {
      QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog offers no read-only check box, so kHideReadOnly needs nothing.
    dialog->setOption(QFileDialog::HideNameFilterDetails, true);
  }
  return *dialog;
}

CommonDialog::OpenHandler& CurrentHandler() {
  static CommonDialog::OpenHandler handler;
  return handler;
}

// Every spelling of pattern with its letters in either case, the given one first.
QStringList CaseVariants(const QString& pattern) {
  QStringList variants{QString()};
  for (const QChar c : pattern) {
    const QChar lower = c.toLower();
    const QChar upper = c.toUpper();
    QStringList next;
    for (const QString& head : variants) {
      next << head + c;
      if (lower != upper) next << head + (c == lower ? upper : lower);
    }
    variants = next;
  }
  variants.removeDuplicates();
  return variants;
}

// Patterns with more letters than this are left as they are: 2^n spellings.
constexpr int kMaxWidenedLetters = 6;

QString WidenPatterns(const QString& patterns) {
  QStringList widened;
  for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    int letters = 0;
    for (const QChar c : trimmed) letters += c.isLetter() ? 1 : 0;
    widened << (letters <= kMaxWidenedLetters ? CaseVariants(trimmed) : QStringList{trimmed});
  }
  return widened.join(QLatin1Char(' '));
}

}  // namespace

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    // The description keeps its own text; the dialog shows it and hides the
    // widened list of patterns that follows in parentheses.
    filters << parts[i] + QStringLiteral(" (") + WidenPatterns(parts[i + 1]) + QLatin1Char(')');
  }
  return filters;
}

bool CommonDialog::ShowOpen() {
  // The dialog shows each byte of a name that is not UTF-8 as U+FFFD; the
  // name chosen is matched back to the file's own bytes.
  if (CurrentHandler()) {
    FileName = FileNameFromShown(CurrentHandler()(*this));
    return !FileName.isEmpty();
  }
  KeepDialogSettingsInMemory();
  QFileDialog& dialog = RunDialog(parent_);
  dialog.setWindowTitle(DialogTitle);
  dialog.setFileMode((Flags & kFileMustExist) != 0 ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
  const QStringList filters = QtNameFilters(Filter);
  dialog.setNameFilters(filters.isEmpty() ? QStringList{QStringLiteral("*")} : filters);
  if (!FileName.isEmpty()) {
    dialog.selectFile(FileName);
  } else if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    // Empty, as in a new dialog (selectFile leaves an empty name aside).
    name->clear();
  }
  if (!RecentFolders().isEmpty()) dialog.setHistory(RecentFolders());
  const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  // A path typed whole leaves the dialog where it was: the next use opens in
  // the chosen file's folder all the same.
  if (chosen) dialog.setDirectory(QFileInfo(dialog.selectedFiles().constFirst()).absolutePath());
  RecentFolders() = dialog.history();
  FileName = chosen ? FileNameFromShown(dialog.selectedFiles().constFirst()) : QString();
  return chosen;
}

CommonDialog::OpenHandler CommonDialog::SetOpenHandler(OpenHandler handler) {
  OpenHandler previous = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return previous;
}

}  // namespace platform
