#include "platform/OpenFileWindow.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>

#include "platform/FileName.h"
#include "platform/FolderListing.h"

namespace platform {

namespace {
constexpr int kNameRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;
}  // namespace

OpenFileWindow::OpenFileWindow(QWidget* parent)
    : QDialog(parent),
      lookIn_(new QComboBox(this)),
      entries_(new QListWidget(this)),
      name_(new QLineEdit(this)),
      types_(new QComboBox(this)),
      open_(new QPushButton(tr("&Open"), this)) {
  auto* up = new QToolButton(this);
  up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  up->setToolTip(tr("Parent Directory"));
  up->setAccessibleName(tr("Parent Directory"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(open_, QDialogButtonBox::AcceptRole);
  // Return is Open's alone: Cancel never becomes the default button.
  buttons->addButton(QDialogButtonBox::Cancel)->setAutoDefault(false);
  open_->setAutoDefault(false);
  open_->setDefault(true);
  name_->setObjectName(QStringLiteral("fileNameEdit"));
  // The folder's names offered while one is typed, as the list shows them.
  auto* completer = new QCompleter(new QStringListModel(this), this);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  name_->setCompleter(completer);
  entries_->setObjectName(QStringLiteral("listView"));
  lookIn_->setObjectName(QStringLiteral("lookInCombo"));

  auto* grid = new QGridLayout(this);
  auto* lookInLabel = new QLabel(tr("Look in:"), this);
  auto* nameLabel = new QLabel(tr("File &name:"), this);
  auto* typesLabel = new QLabel(tr("Files of type:"), this);
  lookInLabel->setBuddy(lookIn_);
  nameLabel->setBuddy(name_);
  typesLabel->setBuddy(types_);
  grid->addWidget(lookInLabel, 0, 0);
  grid->addWidget(lookIn_, 0, 1);
  grid->addWidget(up, 0, 2);
  grid->addWidget(entries_, 1, 0, 1, 3);
  grid->addWidget(nameLabel, 2, 0);
  grid->addWidget(name_, 2, 1, 1, 2);
  grid->addWidget(typesLabel, 3, 0);
  grid->addWidget(types_, 3, 1, 1, 2);
  grid->addWidget(buttons, 4, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  resize(560, 380);
  setTabOrder(name_, entries_);

  connect(up, &QToolButton::clicked, this, [this] { SetFolder(FolderAbove(folder_)); });
  connect(lookIn_, &QComboBox::activated, this,
          [this](int i) { SetFolder(lookIn_->itemData(i).toString()); });
  connect(entries_, &QListWidget::itemActivated, this, &OpenFileWindow::Activated);
  connect(entries_, &QListWidget::currentItemChanged, this, &OpenFileWindow::Picked);
  // Typed over, the name is no longer the picked entry's; however it
  // changed (typed, completed, picked), Open follows it.
  connect(name_, &QLineEdit::textEdited, this, [this] { picked_.clear(); });
  connect(name_, &QLineEdit::textChanged, this, &OpenFileWindow::UpdateOpen);
  connect(buttons, &QDialogButtonBox::accepted, this, &OpenFileWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &OpenFileWindow::reject);
  name_->setFocus();
}

void OpenFileWindow::SetFilter(const QString& filter) {
  filter_ = filter;
  types_->clear();
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) types_->addItem(parts[i]);
  Refill();
}

void OpenFileWindow::SetFileMustExist(bool mustExist) {
  mustExist_ = mustExist;
  UpdateOpen();
}

void OpenFileWindow::SetFolder(const QString& folder) {
  folder_ = QDir::cleanPath(folder);
  history_.removeAll(folder_);
  history_ << folder_;
  Refill();
}

void OpenFileWindow::SetHistory(const QStringList& history) {
  history_ = history;
  Refill();
}

void OpenFileWindow::SetName(const QString& name) {
  picked_.clear();
  name_->setText(ShownFileName(name));
  UpdateOpen();
}

void OpenFileWindow::Refill() {
  lookIn_->clear();
  for (qsizetype i = history_.size() - 1; i >= 0; --i) {
    lookIn_->addItem(ShownFileName(history_[i]), history_[i]);
  }
  lookIn_->setCurrentIndex(lookIn_->findData(folder_));
  const QSignalBlocker quiet(entries_);
  entries_->clear();
  const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
  QStringList shown;
  for (const FolderEntry& entry : ListFolder(folder_, filter_)) {
    shown << ShownFileName(entry.name);
    auto* item = new QListWidgetItem(entry.folder ? folderIcon : fileIcon, shown.back(), entries_);
    item->setData(kNameRole, entry.name);
    item->setData(kFolderRole, entry.folder);
  }
  static_cast<QStringListModel*>(name_->completer()->model())->setStringList(shown);
  UpdateOpen();
}

QString OpenFileWindow::NamedPath() const {
  const QString text = name_->text();
  if (text.isEmpty()) return QString();
  // A picked entry by its own name: two names may look alike once shown.
  if (!picked_.isEmpty() && text == ShownFileName(picked_)) return PathIn(folder_, picked_);
  return TypedPath(folder_, text);
}

void OpenFileWindow::UpdateOpen() {
  const QString path = NamedPath();
  const EntryKind kind = KindOf(path);
  open_->setEnabled(kind == EntryKind::Folder || kind == EntryKind::File ||
                    (!mustExist_ && !path.isEmpty() && kind == EntryKind::Missing));
}

void OpenFileWindow::accept() {
  UpdateOpen();
  if (!open_->isEnabled()) return;
  const QString path = NamedPath();
  if (KindOf(path) == EntryKind::Folder) {
    SetFolder(path);
    SetName(QString());
    return;
  }
  chosen_ = path;
  QDialog::accept();
}

void OpenFileWindow::Picked(QListWidgetItem* item) {
  if (item == nullptr || item->data(kFolderRole).toBool()) return;
  name_->setText(item->text());
  picked_ = item->data(kNameRole).toString();
  UpdateOpen();
}

void OpenFileWindow::Activated(QListWidgetItem* item) {
  if (item->data(kFolderRole).toBool()) {
    SetFolder(PathIn(folder_, item->data(kNameRole).toString()));
    SetName(QString());
    return;
  }
  Picked(item);
  accept();
}

void OpenFileWindow::keyPressEvent(QKeyEvent* event) {
  // Backspace in the list goes up a folder, as in the file managers; Down
  // in the name box goes to the list.
  if (event->key() == Qt::Key_Backspace && entries_->hasFocus()) {
    SetFolder(FolderAbove(folder_));
    return;
  }
  if (event->key() == Qt::Key_Down && name_->hasFocus() && entries_->count() > 0) {
    entries_->setFocus();
    if (entries_->currentRow() < 0) entries_->setCurrentRow(0);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace platform
