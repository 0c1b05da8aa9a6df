// The window adapters where they part from Qt's defaults: the status box's
// CR LF text, the option group's deselect and click, the list marks.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "ListBox.h"
#include "OptionButton.h"
#include "StatusBox.h"

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

  // Steps on three lines: "click n" (mouse on line n), "space n" (line n made
  // current, then the space bar), "set n" (marked by code), or the marks expected.
  void listMarks_data() {
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("toggle: clicks add and remove marks")
        << true << QStringList{"click 0", "click 2", "101", "click 0", "001"};
    QTest::newRow("toggle: space toggles the current line alone")
        << true << QStringList{"click 2", "space 1", "011", "space 1", "001"};
    QTest::newRow("toggle: marks set by code add up")
        << true << QStringList{"click 2", "set 0", "101"};
    QTest::newRow("single: a click moves the mark")
        << false << QStringList{"click 0", "click 2", "001"};
    QTest::newRow("single: code moves the mark") << false << QStringList{"click 2", "set 1", "010"};
    QTest::newRow("single: space marks the current line")
        << false << QStringList{"set 1", "space 0", "100"};
  }
  void listMarks() {
    QFETCH(bool, toggle);
    QFETCH(QStringList, steps);
    QWidget parent;
    platform::ListBox list(
        &parent, toggle ? platform::ListBox::Style::Toggle : platform::ListBox::Style::Single);
    list.widget()->setGeometry(0, 0, 100, 200);
    // The lines begin with blanks, as value lines do.
    for (int i = 0; i < 3; ++i) list.AddItem(QStringLiteral("  %1%=0.00V").arg(i));
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    for (const QString& step : steps) {
      const int n = step.section(' ', 1).toInt();
      if (step.startsWith("click")) {
        const QRect line = list.widget()->visualItemRect(list.widget()->item(n));
        QTest::mouseClick(list.widget()->viewport(), Qt::LeftButton, {}, line.center());
      } else if (step.startsWith("space")) {
        list.SetListIndex(n);
        QTest::keyClick(list.widget(), Qt::Key_Space);
        QCOMPARE(list.ListIndex(), n);
      } else if (step.startsWith("set")) {
        list.SetSelected(n, true);
      } else {
        QString marks;
        for (int i = 0; i < list.ListCount(); ++i) marks += list.Selected(i) ? '1' : '0';
        QCOMPARE(marks, step);
      }
    }
  }
};

QTEST_MAIN(PlatformAdapters)
#include "tst_platform_adapters.moc"
