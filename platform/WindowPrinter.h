#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class PrintResult { Printed, NoPrinter, Failed };

// Prints the image of a window, as it draws itself, on the default printer,
// with no dialog. The window may be hidden.
PrintResult PrintWindowImage(QWidget* window);

// Tests send the printout to a PDF file instead of the default printer; an
// empty name goes back to the printer. Returns the name in place before.
QString SetPrintOutputFile(const QString& pdfPath);

}  // namespace platform
