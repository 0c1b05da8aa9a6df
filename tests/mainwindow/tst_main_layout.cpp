// The main window as designed: controls, places, font, tab order, initial
// states, menus and keys.
#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "mainwindow/FrmCURVE.h"
#include "platform/MessageBox.h"

class MainLayout : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    previous_ = platform::SetMessageHandler([](const QString&, platform::MessageIcon) {});
  }

  void cleanup() {
    platform::SetMessageHandler(previous_);
    platform::CommonDialog::SetOpenHandler(nullptr);
  }

  void windowFrame() {
    FrmCURVE w;
    QCOMPARE(w.windowTitle(), QStringLiteral("QRV PLOT CURVE"));
    QCOMPARE(w.centralWidget()->size(), QSize(520, 364));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The client area lies below the menu bar, and the user cannot resize the window.
    QCOMPARE(w.centralWidget()->geometry().top(), w.menuBar()->geometry().bottom() + 1);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.size(), QSize(520, w.menuBar()->height() + 364));
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessible");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("CmdLoad") << "CmdLoad"
                             << "Load"
                             << "Load" << QRect(16, 8, 81, 25);
    QTest::newRow("cmdQuit") << "cmdQuit"
                             << "Quit"
                             << "Quit" << QRect(16, 40, 81, 25);
    QTest::newRow("TxtStatus") << "TxtStatus"
                               << ""
                               << "Status" << QRect(216, 8, 297, 345);
    const char* captions[] = {"Targets",     "Dynamic",    "Loaded Up", "Empty Up",
                              "Loaded Down", "Empty Down", "Delta Up",  "Delta Down"};
    for (int i = 0; i < 8; ++i) {
      const QString caption = QString::fromLatin1(captions[i]);
      const QString option = QStringLiteral("ListSelect_%1").arg(240 + i);
      const QString list = QStringLiteral("ListData_%1").arg(240 + i);
      QTest::newRow(qPrintable(option))
          << option << caption << caption << QRect(8, 168 + 24 * i, 97, 17);
      QTest::newRow(qPrintable(list)) << list << "" << caption + " list" << QRect(112, 8, 97, 340);
    }
  }

  void controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, accessible);
    QFETCH(QRect, geometry);
    FrmCURVE w;
    auto* control = w.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget(), w.centralWidget());
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->accessibleName(), accessible);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) QCOMPARE(button->text(), caption);
  }

  // What a screen reader announces: every control that takes the focus, and
  // every menu, has a name.
  void everyControlHasAnAccessibleName() {
    FrmCURVE w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList unnamed;
    const auto check = [&unnamed](QObject* object, const QString& what) {
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
      if (face == nullptr || face->text(QAccessible::Name).remove('&').trimmed().isEmpty())
        unnamed << what;
    };
    for (QWidget* widget : w.findChildren<QWidget*>()) {
      if (widget->focusPolicy() != Qt::NoFocus || qobject_cast<QMenu*>(widget))
        check(widget, widget->metaObject()->className() + (":" + widget->objectName()));
    }
    QCOMPARE(unnamed.join(","), QString());
  }

  void everyControlUsesTheBoldFont() {
    FrmCURVE w;
    const auto controls =
        w.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 19);
    for (QWidget* control : controls) {
      const QFont font = control->font();
      QCOMPARE(font.pointSizeF(), 8.25);
      QCOMPARE(font.weight(), QFont::Bold);
      QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
      // Arial itself, or the font of the same measures that stands in for it.
      const QString family = QFontInfo(font).family();
      QVERIFY2(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"),
               qPrintable(family));
    }
  }

  void optionCaptionsFit() {
    FrmCURVE w;
    for (int16_t code = 240; code <= 247; ++code) {
      QRadioButton* button = w.ListSelect(code).widget();
      // The room the style leaves beside the round indicator holds the whole caption.
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const QRect room =
          button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
      const QFontMetrics metrics = button->fontMetrics();
      QVERIFY2(room.width() >= metrics.horizontalAdvance(button->text()),
               qPrintable(button->text()));
      QVERIFY2(room.height() >= metrics.height(), qPrintable(button->text()));
    }
  }

  void tabOrder() {
    FrmCURVE w;
    QStringList expected{"TxtStatus", "cmdQuit", "CmdLoad"};
    for (int c = 241; c <= 247; ++c) expected << QStringLiteral("ListSelect_%1").arg(c);
    for (int c = 241; c <= 247; ++c) expected << QStringLiteral("ListData_%1").arg(c);
    expected << "ListSelect_240"
             << "ListData_240";

    QStringList chain;
    QWidget* first = w.TxtStatus().widget();
    QWidget* widget = first;
    do {
      if (widget->parentWidget() == w.centralWidget()) chain << widget->objectName();
      widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, expected);
  }

  void initialStates() {
    FrmCURVE w;
    for (int16_t code = 240; code <= 247; ++code) {
      QVERIFY(w.ListSelect(code).Enabled() && !w.ListSelect(code).Value());
      QVERIFY(!w.ListSelect(code).widget()->isHidden());
      QVERIFY(w.ListData(code).Visible() && w.ListData(code).Enabled());
      QCOMPARE(w.ListData(code).ListCount(), 0);
      QCOMPARE(w.ListData(code).widget()->selectionMode(), code == 240
                                                               ? QAbstractItemView::SingleSelection
                                                               : QAbstractItemView::MultiSelection);
    }
    QVERIFY(!w.CmdLoad()->isHidden() && w.CmdLoad()->isEnabled());
    QVERIFY(!w.cmdQuit()->isHidden() && w.cmdQuit()->isEnabled());
    QCOMPARE(w.TxtStatus().Text(), QString());
    QVERIFY(!w.TxtStatus().widget()->isReadOnly());
    QCOMPARE(w.TxtStatus().widget()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(w.TxtStatus().widget()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w.TxtStatus().widget()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!w.mnuFilePrintChart().Enabled());
    QVERIFY(w.mnuFileLoad().Enabled() && w.mnuFileQuit().Enabled() && w.mnuHelpAbout().Enabled());
  }

  void menus() {
    FrmCURVE w;
    // Each menu as "caption: item|shortcut, ...".
    QStringList menus;
    for (QAction* menu : w.menuBar()->actions()) {
      QStringList items;
      for (QAction* a : menu->menu()->actions())
        items << a->text() + "|" + a->shortcut().toString();
      menus << menu->text() + ": " + items.join(", ");
    }
    QCOMPARE(menus,
             (QStringList{"&File: &Load|Ctrl+L, &Print Chart|, &Quit|Ctrl+X", "&Help: &About|"}));
  }

  void keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("quits");
    for (const char* focus : {"TxtStatus", "CmdLoad", "ListData_241", "ListSelect_242"}) {
      QTest::addRow("Esc in %s", focus) << focus << QKeyCombination(Qt::Key_Escape) << true;
      QTest::addRow("Ctrl+X in %s", focus)
          << focus << QKeyCombination(Qt::ControlModifier, Qt::Key_X) << true;
      QTest::addRow("Ctrl+L in %s", focus)
          << focus << QKeyCombination(Qt::ControlModifier, Qt::Key_L) << false;
    }
  }

  void keys() {
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, key);
    QFETCH(bool, quits);
    int dialogs = 0;
    platform::CommonDialog::SetOpenHandler([&](const platform::CommonDialog&) {
      ++dialogs;
      return QString();
    });
    FrmCURVE w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWidget* target = w.findChild<QWidget*>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    QCOMPARE(w.isVisible(), !quits);
    QCOMPARE(dialogs, quits ? 0 : 1);
  }

  void startUpFocusIsInTheStatusBox() {
    FrmCURVE w;
    QCOMPARE(w.Form_Load(QString()), FrmCURVE::StartOutcome::Show);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.TxtStatus().widget());
    // Disabled option buttons and hidden lists are not reached with Tab.
    QStringList reached;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, (QStringList{"cmdQuit", "CmdLoad", "TxtStatus", "cmdQuit"}));
  }

 private:
  platform::MessageHandler previous_;
};

QTEST_MAIN(MainLayout)
#include "tst_main_layout.moc"
