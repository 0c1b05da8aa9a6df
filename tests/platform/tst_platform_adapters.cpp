// The window adapters where they part from Qt's defaults: the status box's
// CR LF text and what it takes from pastes, the option group's deselect and
// click.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "platform/OptionButton.h"
#include "platform/StatusBox.h"

namespace {
struct Options {
  QWidget parent;
  platform::OptionGroup group{&parent};
  std::vector<std::unique_ptr<platform::OptionButton>> buttons;
  std::vector<int> clicks;

  explicit Options(int count) {
    for (int i = 0; i < count; ++i) {
      buttons.push_back(
          std::make_unique<platform::OptionButton>(&parent, group, QString::number(i)));
      buttons.back()->OnClick([this, i] { clicks.push_back(i); });
    }
  }
  std::vector<bool> Values() const {
    std::vector<bool> values;
    for (const auto& b : buttons) values.push_back(b->Value());
    return values;
  }
};
}  // namespace

class PlatformAdapters : public QObject {
  Q_OBJECT

 private slots:
  // The text comes back as set, CR LF included, and the caret counts CR LF as two.
  void statusTextAndCaret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");
    const QString text = QStringLiteral("ab\r\ncd\r\n\r\nef");
    QTest::newRow("empty") << QString() << 0 << 0;
    QTest::newRow("no-break space and tab")
        << QStringLiteral("C:\\Lift\u00a0Data\\a.crv\t!\r\n") << 0 << 0;
    QTest::newRow("start") << text << 0 << 0;
    QTest::newRow("before first CR") << text << 2 << 2;
    QTest::newRow("start of second line") << text << 4 << 4;
    QTest::newRow("inside second line") << text << 5 << 5;
    QTest::newRow("empty third line") << text << 8 << 8;
    QTest::newRow("end of an unfinished line") << text << 12 << 12;
    QTest::newRow("past the end") << text << 40 << 12;
    QTest::newRow("after final line end") << QStringLiteral("x\r\n") << 3 << 3;
    QTest::newRow("between CR and LF goes to the next line") << text << 3 << 4;
  }
  void statusTextAndCaret() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, expected);
    platform::StatusBox box(nullptr);
    box.SetText(text);
    QCOMPARE(box.Text(), text);
    box.SetSelStart(position);
    QCOMPARE(box.SelStart(), expected);
    QCOMPARE(box.Text().left(box.SelStart()), text.left(expected));
  }

  // Typing and pasting into the status box, at the caret or, for the primary
  // selection, where the middle button is released. A paste of nothing, as
  // from a primary selection that nobody holds, changes nothing. Run on a
  // display as well: only there has the clipboard a primary selection.
  void statusBoxPastes_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("offered");  // "-": an offer of no data at all
    QTest::addColumn<QString>("expected");
    QTest::newRow("typing") << QStringLiteral("type") << QString() << QStringLiteral("abxy cd");
    QTest::newRow("Ctrl+V") << QStringLiteral("ctrl+v") << QStringLiteral("Q\nR")
                            << QStringLiteral("abQ\r\nR cd");
    QTest::newRow("Ctrl+V, nothing on the clipboard")
        << QStringLiteral("ctrl+v") << QStringLiteral("-") << QStringLiteral("ab cd");
    QTest::newRow("middle button")
        << QStringLiteral("middle") << QStringLiteral("Q") << QStringLiteral("abQ cd");
    QTest::newRow("middle button, nothing selected anywhere")
        << QStringLiteral("middle") << QStringLiteral("-") << QStringLiteral("ab cd");
  }
  void statusBoxPastes() {
    QFETCH(QString, action);
    QFETCH(QString, offered);
    QFETCH(QString, expected);
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool middle = action == QStringLiteral("middle");
    if (middle && !clipboard->supportsSelection()) QSKIP("no primary selection on this platform");
    const QClipboard::Mode mode = middle ? QClipboard::Selection : QClipboard::Clipboard;
    if (offered == QStringLiteral("-")) {
      // Held by nobody on a display; an offer without formats where the
      // clipboard lives in the program.
      clipboard->clear(mode);
      if (!clipboard->supportsSelection()) clipboard->setMimeData(new QMimeData, mode);
    } else {
      clipboard->setText(offered, mode);
    }
    platform::StatusBox box(nullptr);
    box.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.widget()));
    box.SetText(QStringLiteral("ab cd"));
    box.SetSelStart(2);
    if (action == QStringLiteral("type")) {
      QTest::keyClicks(box.widget(), QStringLiteral("xy"));
    } else if (action == QStringLiteral("ctrl+v")) {
      QTest::keyClick(box.widget(), Qt::Key_V, Qt::ControlModifier);
    } else {
      // Released just after "ab": the paste goes there.
      box.SetSelStart(0);
      QTextCursor at = box.widget()->textCursor();
      at.setPosition(2);
      const QRect place = box.widget()->cursorRect(at);
      QTest::mouseClick(box.widget()->viewport(), Qt::MiddleButton, {},
                        QPoint(place.left() + 1, place.center().y()));
    }
    QCOMPARE(box.Text(), expected);
  }

  void optionGroupDeselectsAndRunsClicks() {
    Options o(3);
    o.buttons[1]->SetValue(true);
    QCOMPARE(o.Values(), (std::vector<bool>{false, true, false}));
    o.buttons[2]->SetValue(true);
    QCOMPARE(o.Values(), (std::vector<bool>{false, false, true}));
    QCOMPARE(o.clicks, (std::vector<int>{1, 2}));

    // Deselecting the selected one leaves none selected, and clicks nothing.
    o.buttons[2]->SetValue(false);
    QCOMPARE(o.Values(), (std::vector<bool>{false, false, false}));
    QCOMPARE(o.clicks, (std::vector<int>{1, 2}));

    // The group is exclusive again afterwards.
    o.buttons[0]->SetValue(true);
    o.buttons[1]->SetValue(true);
    QCOMPARE(o.Values(), (std::vector<bool>{false, true, false}));

    // A disabled button can still be selected by code, as the routines do.
    o.buttons[0]->SetEnabled(false);
    o.buttons[0]->SetValue(true);
    QCOMPARE(o.Values(), (std::vector<bool>{true, false, false}));
    QCOMPARE(o.clicks, (std::vector<int>{1, 2, 0, 1, 0}));
  }

  // Never shown, the options still exclude each other, a click runs only
  // when an option becomes selected, and the selected one can be cleared.
  void optionsExcludeFromCode() {
    Options o(3);
    for (int i : {1, 2, 2, 0}) o.buttons[static_cast<std::size_t>(i)]->SetValue(true);
    QCOMPARE(o.Values(), (std::vector<bool>{true, false, false}));
    o.buttons[0]->SetValue(false);
    QCOMPARE(o.Values(), (std::vector<bool>{false, false, false}));
    QCOMPARE(o.clicks, (std::vector<int>{1, 2, 0}));
  }

  void optionUserClickRunsHandler() {
    Options o(2);
    for (std::size_t i = 0; i < o.buttons.size(); ++i) {
      o.buttons[i]->widget()->setGeometry(0, 20 * static_cast<int>(i), 100, 17);
    }
    o.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o.parent));
    // On the round indicator at the left, which takes clicks whatever the caption.
    const QPoint indicator(6, 8);
    QTest::mouseClick(o.buttons[1]->widget(), Qt::LeftButton, {}, indicator);
    QCOMPARE(o.clicks, (std::vector<int>{1}));
    o.buttons[0]->SetEnabled(false);
    QTest::mouseClick(o.buttons[0]->widget(), Qt::LeftButton, {}, indicator);
    QCOMPARE(o.Values(), (std::vector<bool>{false, true}));
    QCOMPARE(o.clicks, (std::vector<int>{1}));
  }

  // From a button before a group of four options (4 is the button after it):
  // the one checked and the one disabled first (-1: none), the one focused and
  // the one checked at the end, then the keys pressed.
  void optionKeys_data() {
    QTest::addColumn<QList<int>>("row");
    const int tab = Qt::Key_Tab;
    QTest::newRow("Tab enters at the checked one") << QList<int>{2, -1, 2, 2, tab};
    QTest::newRow("Tab with none checked enters at the first") << QList<int>{-1, -1, 0, -1, tab};
    QTest::newRow("Tab again leaves the group") << QList<int>{1, -1, 4, 1, tab, tab};
    QTest::newRow("Down selects the next") << QList<int>{1, -1, 2, 2, tab, Qt::Key_Down};
    QTest::newRow("Right selects the next") << QList<int>{1, -1, 2, 2, tab, Qt::Key_Right};
    QTest::newRow("Up from the first wraps") << QList<int>{0, -1, 3, 3, tab, Qt::Key_Up};
    QTest::newRow("Left passes a disabled one") << QList<int>{3, 2, 1, 1, tab, Qt::Key_Left};
  }
  void optionKeys() {
    QFETCH(QList<int>, row);
    Options o(4);
    QWidget* chain[6] = {new QPushButton(&o.parent)};
    for (int i = 0; i < 4; ++i) chain[i + 1] = o.buttons[i]->widget();
    chain[5] = new QPushButton(&o.parent);
    for (int i = 1; i < 6; ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    o.parent.show();
    QVERIFY(QTest::qWaitForWindowActive(&o.parent));
    if (row[1] >= 0) o.buttons[row[1]]->SetEnabled(false);
    chain[4]->setFocus();  // Qt would keep the tab stop where the focus was last
    if (row[0] >= 0) o.buttons[row[0]]->SetValue(true);
    chain[0]->setFocus();
    for (int key : row.mid(4)) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), chain[row[2] + 1]);
    for (int i = 0; i < 4; ++i) QCOMPARE(o.buttons[i]->Value(), i == row[3]);
  }
};

QTEST_MAIN(PlatformAdapters)
#include "tst_platform_adapters.moc"
