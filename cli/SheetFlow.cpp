#include "SheetFlow.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QTextLayout>
#include <memory>

namespace cli {

namespace {

constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr double kSideMm = 18;
constexpr double kTopMm = 15;
constexpr double kBottomMm = 22;  // the footer stands in it
constexpr double kFooterMm = 12;  // from the bottom edge to the footer's base line
constexpr double kCellPaddingMm = 1.2;
const QColor kShade(0xE0, 0xE0, 0xE0);
const QColor kRule(0x90, 0x90, 0x90);

// The text in lines of at most width, broken between words where it can,
// anywhere where a word is wider than a line.
std::unique_ptr<QTextLayout> LaidOut(const QString& text, const QFont& font, double width,
                                     QPaintDevice* device) {
  auto layout = std::make_unique<QTextLayout>(text, font, device);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout->setTextOption(option);
  layout->beginLayout();
  double y = 0;
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout->endLayout();
  return layout;
}

}  // namespace

SheetFlow::SheetFlow(QPagedPaintDevice& device, QPainter* painter, int pages, QString footer)
    : device_(device), painter_(painter), pages_(pages), footer_(std::move(footer)) {
  y_ = Mm(kTopMm);
  Footer();
}

QFont SheetFlow::TextFont(double points, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont SheetFlow::FixedFont() {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(8.5);
  return font;
}

double SheetFlow::Mm(double mm) const {
  return mm / 25.4 * device_.logicalDpiY();
}

double SheetFlow::BodyWidth() const {
  return Mm(kPageWidthMm - 2 * kSideMm);
}

double SheetFlow::Remaining() const {
  return Mm(kPageHeightMm - kBottomMm) - y_;
}

double SheetFlow::LineHeight(const QFont& font) const {
  return QFontMetricsF(font, &device_).lineSpacing();
}

void SheetFlow::Text(const QString& text, const QFont& font) {
  const std::unique_ptr<QTextLayout> layout = LaidOut(text, font, BodyWidth(), &device_);
  if (painter_ != nullptr) painter_->setPen(Qt::black);
  // Line by line, so that a text longer than a page goes on to the next.
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    if (line.height() > Remaining()) NewPage();
    if (painter_ != nullptr) line.draw(painter_, QPointF(Mm(kSideMm), y_ - line.y()));
    y_ += line.height();
  }
}

void SheetFlow::Line(const QString& text, const QFont& font) {
  Text(QFontMetricsF(font, &device_).elidedText(text, Qt::ElideMiddle, BodyWidth()), font);
}

void SheetFlow::Heading(const QString& text) {
  const QFont font = TextFont(11, true);
  // A heading never stands alone at the foot of a page.
  if (LineHeight(font) * 3 > Remaining()) NewPage();
  Gap(2);
  Text(text, font);
  Gap(1);
}

void SheetFlow::Gap(double mm) {
  y_ += Mm(mm);
}

void SheetFlow::Block(double height, const std::function<void(QPainter&, const QRectF&)>& draw) {
  if (height > Remaining()) NewPage();
  if (painter_ != nullptr) {
    painter_->save();
    draw(*painter_, QRectF(Mm(kSideMm), y_, BodyWidth(), height));
    painter_->restore();
  }
  y_ += height;
}

void SheetFlow::TableRow(const QList<Column>& columns, const QStringList& cells,
                         const QList<bool>& marked, bool heading) {
  const QFont font = TextFont(8, heading);
  const double height = LineHeight(font) + Mm(kCellPaddingMm);
  if (painter_ != nullptr) {
    painter_->setFont(font);
    double x = Mm(kSideMm);
    for (qsizetype c = 0; c < columns.size(); ++c) {
      const QRectF cell(x, y_, Mm(columns[c].widthMm), height);
      if (marked.value(c)) painter_->fillRect(cell, kShade);
      painter_->setPen(Qt::black);
      painter_->drawText(cell.adjusted(Mm(kCellPaddingMm), 0, -Mm(kCellPaddingMm), 0),
                         static_cast<int>(columns[c].align | Qt::AlignVCenter), cells.value(c));
      x += Mm(columns[c].widthMm);
    }
    painter_->setPen(QPen(heading ? QColor(Qt::black) : kRule, Mm(heading ? 0.3 : 0.1)));
    painter_->drawLine(QPointF(Mm(kSideMm), y_ + height), QPointF(x, y_ + height));
  }
  y_ += height;
}

void SheetFlow::Table(const QList<Column>& columns, const QList<Row>& rows) {
  QStringList headings;
  for (const Column& column : columns) headings.append(column.heading);
  const double rowHeight = LineHeight(TextFont(8, false)) + Mm(kCellPaddingMm);
  const double headingHeight = LineHeight(TextFont(8, true)) + Mm(kCellPaddingMm);
  if (headingHeight + rowHeight > Remaining()) NewPage();
  TableRow(columns, headings, {}, true);
  for (const Row& row : rows) {
    if (rowHeight > Remaining()) {
      NewPage();
      TableRow(columns, headings, {}, true);
    }
    TableRow(columns, row.cells, row.marked, false);
  }
}

void SheetFlow::NewPage() {
  if (painter_ != nullptr) device_.newPage();
  ++page_;
  y_ = Mm(kTopMm);
  Footer();
}

void SheetFlow::Footer() {
  if (painter_ == nullptr) return;
  const double base = Mm(kPageHeightMm - kFooterMm);
  const QFont font = TextFont(8);
  painter_->setFont(font);
  painter_->setPen(QPen(kRule, Mm(0.2)));
  const double rule = base - QFontMetricsF(font, &device_).ascent() - Mm(1.5);
  painter_->drawLine(QPointF(Mm(kSideMm), rule), QPointF(Mm(kPageWidthMm - kSideMm), rule));
  painter_->setPen(Qt::black);
  const QRectF line(Mm(kSideMm), rule, BodyWidth(), base - rule + Mm(2));
  const QString number = QStringLiteral("page %1 of %2").arg(page_).arg(pages_);
  const QFontMetricsF metrics(font, &device_);
  // A long file name gives way to the page number.
  const double room = BodyWidth() - metrics.horizontalAdvance(number) - Mm(5);
  painter_->drawText(line, Qt::AlignLeft | Qt::AlignBottom,
                     metrics.elidedText(footer_, Qt::ElideMiddle, room));
  painter_->drawText(line, Qt::AlignRight | Qt::AlignBottom, number);
}

}  // namespace cli
