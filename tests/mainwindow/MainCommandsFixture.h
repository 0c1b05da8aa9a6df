#pragma once
// The main window's commands against real CRV files, for the tests of
// mainwindow/: the files they load, the messages shown, and what they read off
// the windows.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "calibration/CURVEroutines.h"
#include "calibration/CurveTables.h"
#include "chartwindow/ChartPlacement.h"
#include "mainwindow/FrmCURVE.h"
#include "platform/FileName.h"
#include "platform/MessageBox.h"
#include "platform/WindowPrinter.h"
#include "tests/calibration/CrvBuilder.h"

// A complete file with elevation switches and a sample in every set.
inline QByteArray CompleteCrv(const QByteArray& firstLine) {
  CrvBuilder crv;
  crv.preamble = {firstLine};
  crv.trailer = {"ELEVUP,45%", "ELEVDOWN,47%",       "Loaded Up Samples", "10%,30100",
                 "50%,30500",  "Empty Up Samples",   "10%,10100",         "Loaded Down Samples",
                 "20%,1020",   "Empty Down Samples", "20%,9212"};
  return crv.Bytes();
}

// The files of every test, made once; the messages each test shows.
class MainCommandsFixture {
 protected:
  void Setup() {
    QVERIFY(dir_.isValid());
    good_ = WriteCrv(dir_, CompleteCrv("Car 1"), QStringLiteral("CAR1.CRV"));
    second_ = WriteCrv(dir_, CompleteCrv("Car 2"), QStringLiteral("car2.Crv"));
    blanks_ = WriteCrv(dir_, CompleteCrv("Car 3"), QStringLiteral("Lift Data/car 3.crv"));
    notes_ = WriteCrv(dir_, "not a curve\r\n", QStringLiteral("notes.txt"));
    // A name that is not UTF-8, written by its bytes.
    const QByteArray foreign = QFile::encodeName(dir_.path()) + "/bad\xe9.CRV";
    foreign_ = platform::DecodeFileName(foreign);
    FILE* file = std::fopen(foreign.constData(), "wb");
    const QByteArray crv = CompleteCrv("Car 4");
    QVERIFY(file && std::fwrite(crv.data(), 1, crv.size(), file) == std::size_t(crv.size()));
    std::fclose(file);
    // Relative names such as ".crv" are looked up here, where no such file is.
    QDir::setCurrent(dir_.path());
  }

  void Init() {
    messages_.clear();
    previousHandler_ = platform::SetMessageHandler(
        [this](const QString& text, platform::MessageIcon) { messages_ << text; });
  }

  void Cleanup() {
    platform::SetMessageHandler(previousHandler_);
    platform::CommonDialog::SetOpenHandler(nullptr);
    platform::SetPrintOutputFile(QString());
  }

  // Where the rule puts both frames from the main window's frame now, on its
  // screen, with the chart framed like the main window.
  static chartwindow::FramePlaces PlacesFrom(FrmCURVE& w) {
    const QRect frame = w.frameGeometry();
    const QRect client = w.geometry();
    const QSize chart = QSize(625, 502) + (frame.size() - client.size());
    return chartwindow::PlaceChartBeside(w.screen()->availableGeometry(), frame, chart);
  }

  // Drags data over target and drops it there, as a file manager would;
  // whether the drag and the drop were taken, as a copy.
  static bool Drop(QWidget* target, const QMimeData& data, Qt::DropActions actions) {
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    const bool copied = drop.dropAction() == Qt::CopyAction;
    return enter.isAccepted() && drop.isAccepted() && copied;
  }

  // What a window shows, to tell that a command changed nothing.
  static QString Snapshot(FrmCURVE& w) {
    QString s = w.TxtStatus().Text() + QStringLiteral("|print=") +
                QString::number(w.mnuFilePrintChart().Enabled()) + QStringLiteral("|chart=") +
                (w.ChartLoaded() ? w.Chart()->MSChart1().TitleText() : QStringLiteral("none"));
    for (int16_t c = 240; c <= 247; ++c) {
      s += QStringLiteral("|%1:%2%3%4:%5")
               .arg(c)
               .arg(w.ListData(c).Visible())
               .arg(w.ListSelect(c).Enabled())
               .arg(w.ListSelect(c).Value())
               .arg(w.ListData(c).ListCount());
    }
    return s + QStringLiteral("|path=") + CURVEroutines::CurveFilePath;
  }

  QTemporaryDir dir_;
  QString good_;     // a complete file
  QString second_;   // another complete file
  QString blanks_;   // a complete file under a path with blanks, lower-case extension
  QString notes_;    // an existing file that is no CRV
  QString foreign_;  // a complete file whose name is not UTF-8
  QStringList messages_;
  platform::MessageHandler previousHandler_;
};
