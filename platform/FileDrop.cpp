#include "platform/FileDrop.h"

#include <sys/stat.h>

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "platform/FileName.h"

namespace platform {

namespace {

class FileDropFilter : public QObject {
 public:
  FileDropFilter(QWidget* window, QObject* receiver, std::function<void(const QString&)> load)
      : QObject(window), receiver_(receiver), load_(std::move(load)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
      return QObject::eventFilter(watched, event);
    }
    // Enter and move events are drop events too.
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedFilePath(drop->mimeData());
    const Qt::DropAction action = ChosenDropAction(drop->possibleActions());
    if (path.isEmpty() || action == Qt::IgnoreAction) {
      drop->ignore();
      return true;
    }
    drop->setDropAction(action);
    drop->accept();
    if (type == QEvent::Drop && receiver_) {
      QTimer::singleShot(0, receiver_, [load = load_, path] { load(path); });
    }
    return true;
  }

 private:
  QPointer<QObject> receiver_;
  std::function<void(const QString&)> load_;
};

}  // namespace

QString DroppedFilePath(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return QString();
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return QString();
  const QUrl& url = urls.front();
  // The address carries the name's bytes percent-encoded; Qt's own
  // conversion decodes them as UTF-8 and loses any byte that is not.
  const QString path =
      url.host().isEmpty()
          ? DecodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()))
          : url.toLocalFile();
  struct stat info {};
  const bool folder = ::stat(EncodeFileName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
  return folder ? QString() : path;
}

Qt::DropAction ChosenDropAction(Qt::DropActions possible) {
  if (possible.testFlag(Qt::CopyAction)) return Qt::CopyAction;
  if (possible.testFlag(Qt::LinkAction)) return Qt::LinkAction;
  return Qt::IgnoreAction;
}

void AcceptFileDrops(QWidget* window, QObject* receiver,
                     std::function<void(const QString& path)> load) {
  auto* filter = new FileDropFilter(window, receiver, std::move(load));
  // Controls that take drops of their own (a text box, a chart view) would
  // otherwise catch the drag first: on them too only a file is taken.
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->acceptDrops()) control->installEventFilter(filter);
  }
  window->setAcceptDrops(true);
  window->installEventFilter(filter);
}

}  // namespace platform
