#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace platform {

// The Load dialog: a folder's entries as FolderListing reads them (names that
// are not UTF-8 included, shown with U+FFFD), a name box and Open and Cancel.
// Open takes the name in the box, typed or picked: a folder is entered, a file
// is chosen; it is enabled only while the name names one (or, where the file
// need not exist, anything but a folder's other entries).
class OpenFileWindow : public QDialog {
 public:
  explicit OpenFileWindow(QWidget* parent = nullptr);

  void SetFilter(const QString& filter);  // bar-separated, as CommonDialog's
  void SetFileMustExist(bool mustExist);
  void SetFolder(const QString& folder);
  QString Folder() const { return folder_; }
  // The folders entered, most recent last, offered under "Look in".
  QStringList History() const { return history_; }
  void SetHistory(const QStringList& history);
  void SetName(const QString& name);
  // The file chosen by the last Open, by its name's bytes.
  QString ChosenPath() const { return chosen_; }

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString NamedPath() const;
  void Refill();
  void UpdateOpen();
  void Activated(QListWidgetItem* item);
  void Picked(QListWidgetItem* item);

  QComboBox* lookIn_;
  QListWidget* entries_;
  QLineEdit* name_;
  QComboBox* types_;
  QPushButton* open_;
  QString filter_;
  bool mustExist_ = true;
  QString folder_;
  QStringList history_;
  // The entry picked in the list, while the name box still shows it.
  QString picked_;
  QString chosen_;
};

}  // namespace platform
