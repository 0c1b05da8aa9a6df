#pragma once

#include <QString>
#include <Qt>
#include <functional>

class QMimeData;
class QObject;
class QWidget;

namespace platform {

// The path of the one local file a drag carries; "" when it carries anything
// else: several files, a folder, a remote address, plain text.
QString DroppedFilePath(const QMimeData* data);

// How a drop is taken: as a copy, else as a link, never as a move, which
// would let the file manager delete the file after the drop.
Qt::DropAction ChosenDropAction(Qt::DropActions possible);

// Lets the user drop one local file anywhere on window, its controls
// included. Over the window such a drag shows the pointer's drop sign,
// anything else the no-drop sign. After the
// drop, load gets the path from the event loop, not inside the drop: the
// dragging program is not held up by a message box, and load may close the
// very window dropped on. Nothing is loaded when receiver is gone by then.
void AcceptFileDrops(QWidget* window, QObject* receiver,
                     std::function<void(const QString& path)> load);

}  // namespace platform
