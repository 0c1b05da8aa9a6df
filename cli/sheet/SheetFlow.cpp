#include "cli/sheet/SheetFlow.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QTextLayout>
#include <memory>
#include <utility>

namespace cli {

namespace {

constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr double kSideMm = 18;
constexpr double kTopMm = 20;     // below the head line
constexpr double kHeadMm = 12;    // from the top edge to the head line's base line
constexpr double kBottomMm = 22;  // the footer stands in it
constexpr double kFooterMm = 12;  // from the bottom edge to the footer's base line
constexpr double kCellPaddingMm = 0.8;
constexpr double kLabelMm = 42;  // a field's label column
constexpr double kHeadingAboveMm = 2;
constexpr double kHeadingBelowMm = 1;
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

SheetFlow::SheetFlow(QPagedPaintDevice& device, QPainter* painter, int pages, PageMarks marks)
    : device_(device), painter_(painter), pages_(pages), marks_(std::move(marks)) {
  y_ = Mm(kTopMm);
  PageMarksDrawn();
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

double SheetFlow::HeadingHeight() const {
  return Mm(kHeadingAboveMm + kHeadingBelowMm) + LineHeight(HeadingFont());
}

double SheetFlow::TextHeight(const QString& text, const QFont& font) const {
  const std::unique_ptr<QTextLayout> layout = LaidOut(text, font, BodyWidth(), &device_);
  return layout->boundingRect().height();
}

void SheetFlow::Room(double height) {
  const bool waiting = !heading_.isEmpty();
  if ((waiting ? HeadingHeight() : 0) + height > Remaining()) NewPage();
  if (!waiting) return;
  const QString heading = std::exchange(heading_, QString());
  y_ += Mm(kHeadingAboveMm);
  DrawLines(heading, HeadingFont(), Mm(kSideMm), BodyWidth());
  y_ += Mm(kHeadingBelowMm);
}

void SheetFlow::DrawLines(const QString& text, const QFont& font, double x, double width) {
  const std::unique_ptr<QTextLayout> layout = LaidOut(text, font, width, &device_);
  if (painter_ != nullptr) painter_->setPen(Qt::black);
  // Line by line, so that a text longer than a page goes on to the next.
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    Room(line.height());
    if (painter_ != nullptr) line.draw(painter_, QPointF(x, y_ - line.y()));
    y_ += line.height();
  }
}

void SheetFlow::Text(const QString& text, const QFont& font) {
  DrawLines(text, font, Mm(kSideMm), BodyWidth());
}

void SheetFlow::Line(const QString& text, const QFont& font) {
  Text(QFontMetricsF(font, &device_).elidedText(text, Qt::ElideMiddle, BodyWidth()), font);
}

void SheetFlow::Heading(const QString& text) {
  // Two headings in a row: the first goes down with the second.
  if (!heading_.isEmpty()) Room(HeadingHeight());
  heading_ = text;
}

void SheetFlow::Field(const QString& label, const QString& value) {
  const QFont font = TextFont();
  const double indent = Mm(kLabelMm);
  // The label stands beside the value's first line, wherever that went.
  Room(LineHeight(font));
  const double first = y_;
  DrawLines(value.isEmpty() ? QStringLiteral(" ") : value, font, Mm(kSideMm) + indent,
            BodyWidth() - indent);
  if (painter_ != nullptr) {
    painter_->setFont(TextFont(9, true));
    painter_->drawText(QRectF(Mm(kSideMm), first, indent, LineHeight(font)),
                       Qt::AlignLeft | Qt::AlignTop, label);
  }
}

void SheetFlow::Gap(double mm) {
  y_ += Mm(mm);
}

void SheetFlow::Keep(double height) {
  if ((heading_.isEmpty() ? 0 : HeadingHeight()) + height > Remaining()) NewPage();
}

void SheetFlow::Block(double height, const std::function<void(QPainter&, const QRectF&)>& draw) {
  Room(height);
  if (painter_ != nullptr) {
    painter_->save();
    draw(*painter_, QRectF(Mm(kSideMm), y_, BodyWidth(), height));
    painter_->restore();
  }
  y_ += height;
}

void SheetFlow::TableRow(const QList<Column>& columns, const QStringList& cells,
                         const QList<bool>& marked, bool heading) {
  const QFont font = TextFont(heading ? 7.5 : 8, heading);
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
  const double headingHeight = LineHeight(TextFont(7.5, true)) + Mm(kCellPaddingMm);
  // The headings never stand without a row under them.
  Room(headingHeight + rowHeight);
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
  PageMarksDrawn();
}

void SheetFlow::Finish() {
  if (!heading_.isEmpty()) Room(0);
}

// One line across the body at base, a rule between it and the body, texts
// at its two ends; the left one gives way to the right one.
void SheetFlow::MarkLine(double base, double rule, const QString& left, const QString& right) {
  const QFont font = TextFont(8);
  const QFontMetricsF metrics(font, &device_);
  painter_->setFont(font);
  painter_->setPen(QPen(kRule, Mm(0.2)));
  painter_->drawLine(QPointF(Mm(kSideMm), rule), QPointF(Mm(kPageWidthMm - kSideMm), rule));
  painter_->setPen(Qt::black);
  const QRectF line(Mm(kSideMm), base - metrics.ascent(), BodyWidth(), metrics.height());
  const double room = BodyWidth() - metrics.horizontalAdvance(right) - Mm(5);
  painter_->drawText(line, Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(left, Qt::ElideMiddle, room));
  painter_->drawText(line, Qt::AlignRight | Qt::AlignTop, right);
}

void SheetFlow::PageMarksDrawn() {
  if (painter_ == nullptr) return;
  const QFontMetricsF metrics(TextFont(8), &device_);
  const double head = Mm(kHeadMm);
  MarkLine(head, head + metrics.descent() + Mm(1.5), marks_.headLeft, marks_.headRight);
  const double foot = Mm(kPageHeightMm - kFooterMm);
  MarkLine(foot, foot - metrics.ascent() - Mm(1.5), marks_.footer,
           QStringLiteral("page %1 of %2").arg(page_).arg(pages_));
}

}  // namespace cli
