#pragma once

#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace platform {

enum class PrintResult { Printed, NoPrinter, Failed };

// Draws a window's image in the window's own coordinates.
using ImagePainter = std::function<void(QPainter&)>;

// Prints the image of a window, as large as fits on the page and keeping its
// shape, on the default printer with no dialog. The window may be hidden.
// The window draws its image itself: Qt would print a widget as a bitmap of
// screen resolution, while a painter given to it keeps lines and text sharp.
PrintResult PrintWindowImage(QWidget* window, const ImagePainter& paint);

// Tests send the printout to a PDF file instead of the default printer; an
// empty name goes back to the printer. Returns the name in place before.
QString SetPrintOutputFile(const QString& pdfPath);

}  // namespace platform
