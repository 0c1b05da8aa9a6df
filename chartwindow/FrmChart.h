#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The chart window beside the main window. For now it shows the chart's
// title, built from the file it belongs to.
class FrmChart : public QWidget {
  Q_OBJECT

 public:
  explicit FrmChart(const QString& curveFilePath, QWidget* parent = nullptr);

  QString TitleText() const;

 signals:
  // The user closed the window: it is to be unloaded.
  void ClosedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* title_;
};
