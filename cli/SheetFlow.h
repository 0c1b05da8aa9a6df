#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace cli {

// Lays text, tables and drawn blocks down A4 pages from the top, starting a
// page where the next piece does not fit, with a footer on each page. It runs
// twice over the same content: first without a painter, to count the pages,
// then drawing, with "page N of M" in each footer.
class SheetFlow {
 public:
  struct Column {
    QString heading;
    double widthMm;
    Qt::Alignment align;
  };
  // A table row; a marked cell is shaded.
  struct Row {
    QStringList cells;
    QList<bool> marked;
  };

  // pages: what the measuring run counted; 0 while measuring.
  SheetFlow(QPagedPaintDevice& device, QPainter* painter, int pages, QString footer);

  static QFont TextFont(double points = 9, bool bold = false);
  static QFont FixedFont();

  // Device units of a length on paper.
  double Mm(double mm) const;
  double BodyWidth() const;
  double Remaining() const;

  // Text wrapped to the body's width, anywhere when a word is too long.
  void Text(const QString& text, const QFont& font = TextFont());
  // Text on one line, cut in the middle with "…" where it is too long.
  void Line(const QString& text, const QFont& font = TextFont());
  void Heading(const QString& text);
  void Gap(double mm);
  // A piece of the given height drawn into its rectangle, on a new page
  // when it does not fit on this one.
  void Block(double height, const std::function<void(QPainter&, const QRectF&)>& draw);
  // The headings stand above the rows on every page the table covers.
  void Table(const QList<Column>& columns, const QList<Row>& rows);
  void NewPage();

  int Pages() const { return page_; }

 private:
  double LineHeight(const QFont& font) const;
  void Footer();
  void TableRow(const QList<Column>& columns, const QStringList& cells, const QList<bool>& marked,
                bool heading);

  QPagedPaintDevice& device_;
  QPainter* painter_;
  int pages_;
  QString footer_;
  int page_ = 1;
  double y_ = 0;
};

}  // namespace cli
