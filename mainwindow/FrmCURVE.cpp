// The main window's frame, controls and menus, placed in twips as designed.
#include "mainwindow/FrmCURVE.h"

#include <QAction>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "calibration/CURVEroutines.h"
#include "chartwindow/FrmChart.h"
#include "platform/FileDrop.h"
#include "platform/Twips.h"

namespace {

using CURVEroutines::kFirstCode;
using CURVEroutines::kLastCode;
using platform::TwipsToPixels;

constexpr int kClientWidth = 7800;
constexpr int kClientHeight = 5460;

// The option buttons stand in one column, one every 360 twips from the top 2520.
constexpr int kOptionLeft = 120;
constexpr int kOptionTop = 2520;
constexpr int kOptionPitch = 360;
constexpr int kOptionWidth = 1455;
constexpr int kOptionHeight = 255;

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

QString IndexedName(const char* name, int16_t code) {
  return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(code);
}

QFont ControlFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8.25);
  font.setWeight(QFont::Bold);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

QAction* NewAction(QObject* owner, const char* name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

FrmCURVE::FrmCURVE()
    : client_(new QWidget(this)),
      txtStatus_(client_),
      cmdQuit_(new QPushButton(QStringLiteral("Quit"), client_)),
      cmdLoad_(new QPushButton(QStringLiteral("Load"), client_)),
      listSelectGroup_(client_),
      mnuFileLoad_(NewAction(this, "mnuFileLoad", QStringLiteral("&Load"))),
      mnuFilePrintChart_(NewAction(this, "mnuFilePrintChart", QStringLiteral("&Print Chart"))),
      mnuFileQuit_(NewAction(this, "mnuFileQuit", QStringLiteral("&Quit"))),
      mnuHelpAbout_(NewAction(this, "mnuHelpAbout", QStringLiteral("&About"))),
      dlgCommonDialog_(this) {
  setObjectName(QStringLiteral("FrmCURVE"));
  setWindowTitle(QStringLiteral("QRV PLOT CURVE"));
  setWindowIcon(QIcon());
  // A fixed border: no maximise box, and the size never changes.
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);

  client_->setObjectName(QStringLiteral("FrmCURVE_client"));
  client_->setFont(ControlFont());
  client_->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  setCentralWidget(client_);

  BuildControls();
  BuildMenus();
  SetTabOrder();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  AcceptFileDropsOn(this);

  CURVEroutines::BindCurveWindow(this);
}

FrmCURVE::~FrmCURVE() {
  // Not an unload: a refused start-up ends here too, and runs no handler.
  delete chart_;
  CURVEroutines::BindCurveWindow(nullptr);
}

void FrmCURVE::BuildControls() {
  QPlainTextEdit* status = txtStatus_.widget();
  status->setObjectName(QStringLiteral("TxtStatus"));
  status->setAccessibleName(QStringLiteral("Status"));
  status->setGeometry(TwipsRect(3240, 120, 4455, 5175));
  status->installEventFilter(this);

  cmdLoad_->setObjectName(QStringLiteral("CmdLoad"));
  cmdLoad_->setAccessibleName(QStringLiteral("Load"));
  cmdLoad_->setGeometry(TwipsRect(240, 120, 1215, 375));
  cmdLoad_->setAutoDefault(false);
  connect(cmdLoad_, &QPushButton::clicked, this, [this] { CmdLoad_Click(); });

  cmdQuit_->setObjectName(QStringLiteral("cmdQuit"));
  cmdQuit_->setAccessibleName(QStringLiteral("Quit"));
  cmdQuit_->setGeometry(TwipsRect(240, 600, 1215, 375));
  cmdQuit_->setAutoDefault(false);
  connect(cmdQuit_, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
  // cmdQuit is the window's cancel button: Esc presses it wherever the focus is.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, cmdQuit_, &QPushButton::click);

  for (int16_t code = kFirstCode; code <= kLastCode; ++code) {
    const QString caption = CURVEroutines::CurveName(code);
    auto option = std::make_unique<platform::OptionButton>(client_, listSelectGroup_, caption);
    QRadioButton* button = option->widget();
    button->setObjectName(IndexedName("ListSelect", code));
    button->setAccessibleName(caption);
    button->setGeometry(TwipsRect(kOptionLeft, kOptionTop + kOptionPitch * (code - kFirstCode),
                                  kOptionWidth, kOptionHeight));
    option->OnClick([this, code] { ListSelect_Click(code); });
    listSelect_.Set(code, std::move(option));

    // Targets keeps one line selected; the curve lists toggle the mark of each line.
    auto list = std::make_unique<platform::ListBox>(
        client_,
        code == kFirstCode ? platform::ListBox::Style::Single : platform::ListBox::Style::Toggle);
    QListWidget* widget = list->widget();
    widget->setObjectName(IndexedName("ListData", code));
    widget->setAccessibleName(caption + QStringLiteral(" list"));
    widget->setGeometry(TwipsRect(1680, 120, 1455, 5100));
    listData_.Set(code, std::move(list));
  }
}

void FrmCURVE::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  // The open menu announces itself by this name; Qt gives it none.
  file->setAccessibleName(QStringLiteral("File"));
  file->addAction(mnuFileLoad_.action());
  file->addAction(mnuFilePrintChart_.action());
  file->addAction(mnuFileQuit_.action());
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->setAccessibleName(QStringLiteral("Help"));
  help->addAction(mnuHelpAbout_.action());

  mnuFileLoad_.action()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  mnuFileQuit_.action()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  mnuFilePrintChart_.SetEnabled(false);

  connect(mnuFileLoad_.action(), &QAction::triggered, this, [this] { mnuFileLoad_Click(); });
  connect(mnuFilePrintChart_.action(), &QAction::triggered, this,
          [this] { mnuFilePrintChart_Click(); });
  connect(mnuFileQuit_.action(), &QAction::triggered, this, [this] { mnuFileQuit_Click(); });
  connect(mnuHelpAbout_.action(), &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

void FrmCURVE::SetTabOrder() {
  std::vector<QWidget*> order = {txtStatus_.widget(), cmdQuit_, cmdLoad_};
  for (int16_t code = kFirstCode + 1; code <= kLastCode; ++code) {
    order.push_back(listSelect_(code).widget());
  }
  for (int16_t code = kFirstCode + 1; code <= kLastCode; ++code) {
    order.push_back(listData_(code).widget());
  }
  order.push_back(listSelect_(kFirstCode).widget());
  order.push_back(listData_(kFirstCode).widget());
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  txtStatus_.widget()->setFocus(Qt::OtherFocusReason);
}

bool FrmCURVE::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && ChartPlacementExposed(watched)) {
    watched->removeEventFilter(this);
  }
  // The status box would take Ctrl+X as Cut; the window's File, Quit key wins.
  if (watched == txtStatus_.widget() && event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_X)) {
      event->ignore();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FrmCURVE::AcceptFileDropsOn(QWidget* window) {
  platform::AcceptFileDrops(window, this, [this](const QString& path) { LoadChosenFile(path); });
}

void FrmCURVE::Refresh() {
  repaint();
}
