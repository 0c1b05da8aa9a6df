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
// page where the next piece does not fit, with a head line and a footer on
// each page. It runs twice over the same content: first without a painter,
// to count the pages, then drawing, with "page N of M" in each footer.
class SheetFlow {
 public:
  // What every page carries: the head line's two ends and the footer's left.
  struct PageMarks {
    QString headLeft;
    QString headRight;
    QString footer;
  };
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
  SheetFlow(QPagedPaintDevice& device, QPainter* painter, int pages, PageMarks marks);

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
  // A heading waits for what follows it and goes to the next page with it,
  // so it never stands alone at a page's foot.
  void Heading(const QString& text);
  // A label and its value beside it, wrapped.
  void Field(const QString& label, const QString& value);
  void Gap(double mm);
  // A new page unless height fits on this one: a piece that stays together.
  void Keep(double height);
  // The height of a heading and of text wrapped to the body's width.
  double HeadingHeight() const;
  double TextHeight(const QString& text, const QFont& font = TextFont()) const;
  // A piece of the given height drawn into its rectangle, on a new page
  // when it does not fit on this one.
  void Block(double height, const std::function<void(QPainter&, const QRectF&)>& draw);
  // The headings stand above the rows on every page the table covers.
  void Table(const QList<Column>& columns, const QList<Row>& rows);
  void NewPage();
  // Draws a heading still waiting at the end.
  void Finish();

  int Pages() const { return page_; }

 private:
  double LineHeight(const QFont& font) const;
  // Before a piece of the given height: a new page when it does not fit,
  // with the waiting heading, if any, drawn above it.
  void Room(double height);
  void PageMarksDrawn();
  void MarkLine(double base, double rule, const QString& left, const QString& right);
  // Text wrapped to width from x, line by line down the pages.
  void DrawLines(const QString& text, const QFont& font, double x, double width);
  static QFont HeadingFont() { return TextFont(11, true); }
  void TableRow(const QList<Column>& columns, const QStringList& cells, const QList<bool>& marked,
                bool heading);

  QPagedPaintDevice& device_;
  QPainter* painter_;
  int pages_;
  PageMarks marks_;
  int page_ = 1;
  double y_ = 0;
  QString heading_;  // waiting for the piece that follows it
};

}  // namespace cli
