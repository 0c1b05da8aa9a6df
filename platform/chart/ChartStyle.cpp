#include "ChartStyle.h"

#include <QFontMetricsF>

namespace platform {

QFont ChartFont(bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8);
  font.setBold(bold);
  return font;
}

QString AsDrawnText(const QString& text) {
  QString drawn;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool dropped = text[i] == QLatin1Char(' ') && (i == 0 || text[i - 1] == QLatin1Char(' '));
    drawn += dropped ? QStringLiteral("&nbsp;") : QString(text[i]).toHtmlEscaped();
  }
  return drawn;
}

double LabelHeight(const QFont& font) {
  return QFontMetricsF(font).height();
}

}  // namespace platform
