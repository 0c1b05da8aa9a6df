#include "FrmChart.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "CURVEroutines.h"
#include "Twips.h"

namespace {
constexpr int kClientWidth = 9375;
constexpr int kClientHeight = 7530;
}  // namespace

FrmChart::FrmChart(const QString& curveFilePath, QWidget* parent)
    : QWidget(parent, Qt::Window), title_(new QLabel(this)) {
  setObjectName(QStringLiteral("FrmChart"));
  setWindowTitle(QStringLiteral("QRVcalChart"));
  resize(platform::TwipsToPixels(kClientWidth), platform::TwipsToPixels(kClientHeight));

  title_->setObjectName(QStringLiteral("ChartTitle"));
  title_->setText(QStringLiteral("QRV Load Calibration Chart for ") +
                  CURVEroutines::FileNameOf(curveFilePath));
  title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title_->setAccessibleName(QStringLiteral("Chart title"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
}

QString FrmChart::TitleText() const {
  return title_->text();
}

void FrmChart::closeEvent(QCloseEvent* event) {
  // Only a close by the user arrives here; the main window deletes it directly.
  event->accept();
  emit ClosedByUser();
}
