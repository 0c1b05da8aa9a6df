// The window adapters where they part from Qt's defaults: the status box's
// CR LF text, the option group's deselect and click, the toggle list.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
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

namespace {
QRect LineRect(platform::ListBox& list, int row) {
  return list.widget()->visualItemRect(list.widget()->item(row));
}
std::vector<bool> Marks(const platform::ListBox& list) {
  std::vector<bool> marks;
  for (int i = 0; i < list.ListCount(); ++i) marks.push_back(list.Selected(i));
  return marks;
}
}  // namespace

class PlatformAdapters : public QObject {
  Q_OBJECT

 private slots:
  void statusTextKeepsCrLf_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one line") << QStringLiteral("Success!\r\n");
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\nReading data from A.CRV\r\n");
    QTest::newRow("unfinished last line") << QStringLiteral("one\r\ntwo");
    QTest::newRow("no-break space and tab") << QStringLiteral("C:\\Lift\u00a0Data\\a.crv\t!\r\n");
  }

  void statusTextKeepsCrLf() {
    QFETCH(QString, text);
    platform::StatusBox box(nullptr);
    box.SetText(text);
    QCOMPARE(box.Text(), text);
  }

  void statusCaretCountsCrLfAsTwo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");
    const QString text = QStringLiteral("ab\r\ncd\r\n\r\nef");
    QTest::newRow("start") << text << 0 << 0;
    QTest::newRow("before first CR") << text << 2 << 2;
    QTest::newRow("start of second line") << text << 4 << 4;
    QTest::newRow("inside second line") << text << 5 << 5;
    QTest::newRow("empty third line") << text << 8 << 8;
    QTest::newRow("end") << text << 12 << 12;
    QTest::newRow("past the end") << text << 40 << 12;
    QTest::newRow("after final line end") << QStringLiteral("x\r\n") << 3 << 3;
    QTest::newRow("between CR and LF goes to the next line") << text << 3 << 4;
  }

  void statusCaretCountsCrLfAsTwo() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, expected);
    platform::StatusBox box(nullptr);
    box.SetText(text);
    box.SetSelStart(position);
    QCOMPARE(box.SelStart(), expected);
    QCOMPARE(box.Text().left(box.SelStart()), text.left(expected));
  }

  void statusTypedLineEndsReadAsCrLf() {
    platform::StatusBox box(nullptr);
    box.SetText(QStringLiteral("log\r\n"));
    box.SetSelStart(5);
    QTest::keyClicks(box.widget(), QStringLiteral("typed"));
    QTest::keyClick(box.widget(), Qt::Key_Return);
    QCOMPARE(box.Text(), QStringLiteral("log\r\ntyped\r\n"));
    QCOMPARE(box.SelStart(), 12);
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

  void toggleListMarksManyLines() {
    QWidget parent;
    platform::ListBox list(&parent, platform::ListBox::Style::Toggle);
    list.widget()->setGeometry(0, 0, 100, 200);
    for (const char* line : {"  0%=0.00V", "  1%=0.10V", "  2%=0.20V"}) {
      list.AddItem(QString::fromLatin1(line));
    }
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QWidget* viewport = list.widget()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LineRect(list, 0).center());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LineRect(list, 2).center());
    QCOMPARE(Marks(list), (std::vector<bool>{true, false, true}));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LineRect(list, 0).center());
    QCOMPARE(Marks(list), (std::vector<bool>{false, false, true}));
    // The space bar toggles the current line alone, though the lines begin with blanks.
    list.SetListIndex(1);
    QTest::keyClick(list.widget(), Qt::Key_Space);
    QCOMPARE(Marks(list), (std::vector<bool>{false, true, true}));
    QCOMPARE(list.ListIndex(), 1);
    QTest::keyClick(list.widget(), Qt::Key_Space);
    QCOMPARE(Marks(list), (std::vector<bool>{false, false, true}));
    // Marks set by code add up as well.
    list.SetSelected(0, true);
    QCOMPARE(Marks(list), (std::vector<bool>{true, false, true}));
  }

  void singleListMovesTheMark() {
    QWidget parent;
    platform::ListBox list(&parent, platform::ListBox::Style::Single);
    list.widget()->setGeometry(0, 0, 100, 200);
    for (int i = 0; i < 3; ++i) list.AddItem(QStringLiteral("  %1%=0.00V").arg(i));
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QWidget* viewport = list.widget()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LineRect(list, 0).center());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LineRect(list, 2).center());
    QCOMPARE(Marks(list), (std::vector<bool>{false, false, true}));
    list.SetSelected(1, true);
    QCOMPARE(Marks(list), (std::vector<bool>{false, true, false}));
    list.SetListIndex(0);
    QTest::keyClick(list.widget(), Qt::Key_Space);
    QCOMPARE(Marks(list), (std::vector<bool>{true, false, false}));
    QCOMPARE(list.ListIndex(), 0);
  }
};

QTEST_MAIN(PlatformAdapters)
#include "tst_platform_adapters.moc"
