#include "platform/WindowPrinter.h"

#include <QLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {
QString& OutputFile() {
  static QString file;
  return file;
}
}  // namespace

PrintResult PrintWindowImage(QWidget* window, const ImagePainter& paint) {
  QPrinter printer(QPrinter::HighResolution);
  if (OutputFile().isEmpty()) {
    // Asks the print service for its default only; no discovery of printers.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return PrintResult::NoPrinter;
    printer.setPrinterName(info.printerName());
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(OutputFile());
  }
  printer.setDocName(window->windowTitle());

  // A window that was never shown has not laid out its children yet.
  if (window->layout() != nullptr) window->layout()->activate();

  QPainter painter;
  if (!painter.begin(&printer)) return PrintResult::Failed;
  // The window's image, as large as fits on the page, keeping its shape.
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const QSize size = window->size();
  const double scale = std::min(page.width() / std::max(size.width(), 1),
                                page.height() / std::max(size.height(), 1));
  painter.scale(scale, scale);
  painter.setClipRect(QRect(QPoint(), size));
  paint(painter);
  return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

QString SetPrintOutputFile(const QString& pdfPath) {
  QString previous = OutputFile();
  OutputFile() = pdfPath;
  return previous;
}

}  // namespace platform
