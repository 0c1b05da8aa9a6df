// The sheet's sections of numbers and the file's own lines: switches and
// target samples, the curves height by height, notes, and the signatures.
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include "cli/sheet/SheetSections.h"
#include "cli/sheet/SheetWords.h"
#include "core/CurveNames.h"
#include "core/ValueLine.h"

namespace cli {

namespace {

constexpr double kHeightColumnMm = 16;
constexpr double kCurveColumnMm = 20.2;
constexpr double kMarkColumnMm = 4;
constexpr double kSignatureMm = 30;  // the height of the signature block

bool IsMarked(const CurveSnapshot& curves, int curve, int height) {
  const int set = curve - kFirstSampledCurve;
  if (set < 0 || set >= core::kSampleSets) return false;
  for (const TargetSample& s : curves.samples[static_cast<std::size_t>(set)]) {
    if (s.height == height) return true;
  }
  return false;
}

bool HasSamples(int curve) {
  return curve >= kFirstSampledCurve && curve < kFirstSampledCurve + core::kSampleSets;
}

QString SwitchSentence(int16_t height) {
  return height < 0 ? QStringLiteral("none recorded in the file")
                    : QStringLiteral("at %1 %").arg(height);
}

}  // namespace

void TargetsSection(SheetFlow& flow, const CurveSnapshot& curves) {
  flow.Heading(QStringLiteral("Elevation switches, height in %"));
  flow.Field(QStringLiteral("Going up"), SwitchSentence(curves.elevUp));
  flow.Field(QStringLiteral("Going down"), SwitchSentence(curves.elevDown));
  flow.Heading(QStringLiteral("Target samples, each as height (%): value (V)"));
  const QString point = QLocale().decimalPoint();
  for (int16_t set = 0; set < core::kSampleSets; ++set) {
    const std::vector<TargetSample>& samples = curves.samples[static_cast<std::size_t>(set)];
    QStringList items;
    for (const TargetSample& s : samples) {
      items.append(QStringLiteral("%1: %2").arg(s.height).arg(core::VoltsText(s.value, point)));
    }
    QString text = SamplesSentence(set, samples.size());
    text[0] = text[0].toUpper();
    if (!items.isEmpty()) text += QStringLiteral(": ") + items.join(QStringLiteral(";  "));
    flow.Field(core::CurveName(static_cast<int16_t>(PlottedCode(kFirstSampledCurve + set))),
               text + QLatin1Char('.'));
  }
}

void CurvesSection(SheetFlow& flow, const CurveSnapshot& curves) {
  flow.Heading(QStringLiteral("The curves by height, in volts (V)"));
  flow.Text(QStringLiteral(
      "Heights in per cent of the travel. A * beside a value marks a height where a target "
      "sample of that curve was taken."));
  flow.Gap(1);
  QList<SheetFlow::Column> columns{{QStringLiteral("Height (%)"), kHeightColumnMm, Qt::AlignRight}};
  for (int c = 0; c < kPlotted; ++c) {
    columns.append({core::CurveName(PlottedCode(c)), kCurveColumnMm, Qt::AlignRight});
    if (HasSamples(c)) columns.append({QString(), kMarkColumnMm, Qt::AlignHCenter});
  }
  const QString point = QLocale().decimalPoint();
  QList<SheetFlow::Row> rows;
  for (int h = 0; h < kHeights; ++h) {
    SheetFlow::Row row{{QString::number(h)}, {false}};
    for (int c = 0; c < kPlotted; ++c) {
      const int32_t raw = curves.raw[static_cast<std::size_t>(c)][static_cast<std::size_t>(h)];
      const bool marked = IsMarked(curves, c, h);
      row.cells.append(core::VoltsText(raw, point));
      row.marked.append(marked);
      if (!HasSamples(c)) continue;
      row.cells.append(marked ? QStringLiteral("*") : QString());
      row.marked.append(marked);
    }
    rows.append(row);
  }
  flow.Table(columns, rows);
}

void FileLinesSection(SheetFlow& flow, const QString& heading, const ShownLines& lines,
                      const QString& none) {
  flow.Heading(heading);
  if (lines.lines.isEmpty() && lines.leftOut == 0) flow.Text(none);
  // Each on one line of the sheet, however long it is in the file.
  for (const QString& line : lines.lines) {
    flow.Line(line.isEmpty() ? QStringLiteral(" ") : line, SheetFlow::FixedFont());
  }
  if (lines.leftOut > 0) {
    flow.Text(lines.leftOut == 1
                  ? QStringLiteral("1 more line is not shown.")
                  : QStringLiteral("%1 more lines are not shown.").arg(lines.leftOut));
  }
}

void SignatureSection(SheetFlow& flow, const SheetInput& in) {
  flow.Heading(QStringLiteral("Signatures"));
  flow.Block(flow.Mm(kSignatureMm), [&](QPainter& painter, const QRectF& place) {
    const double half = place.width() / 2;
    const double gap = flow.Mm(8);
    const struct {
      const char* role;
      QString name;
    } who[] = {{"Calibrated by", in.people.technician}, {"Approved by", QString()}};
    painter.setFont(SheetFlow::TextFont(9));
    for (int i = 0; i < 2; ++i) {
      const double left = place.left() + i * half;
      const double width = half - gap;
      const double line = place.top() + flow.Mm(12);
      painter.setPen(QPen(Qt::black, flow.Mm(0.2)));
      painter.drawLine(QPointF(left, line), QPointF(left + width, line));
      painter.drawLine(QPointF(left, line + flow.Mm(12)),
                       QPointF(left + width * 0.6, line + flow.Mm(12)));
      const QString role = QString::fromLatin1(who[i].role) +
                           (who[i].name.isEmpty() ? QString() : QStringLiteral(": ") + who[i].name);
      const QString shown =
          QFontMetricsF(painter.font(), painter.device()).elidedText(role, Qt::ElideRight, width);
      painter.drawText(QRectF(left, line + flow.Mm(0.8), width, flow.Mm(5)),
                       Qt::AlignLeft | Qt::AlignTop, shown);
      painter.drawText(QRectF(left, line + flow.Mm(12.8), width, flow.Mm(5)),
                       Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Date"));
    }
  });
}

}  // namespace cli
