// The list adapter where it parts from Qt's list: the current line as lines
// come and go, and the marks of clicks, keys and drags.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include "platform/LineList.h"
#include "platform/ListBox.h"

class PlatformLists : public QObject {
  Q_OBJECT

 private slots:
  // The current line as Qt's list moves it, with a widget, with one hidden
  // while the list changes, and without: steps "current n", "remove n",
  // "mark n" or "clear" on four lines, then the current line expected.
  void listCurrentLine_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("current");
    QTest::newRow("set") << QStringList{"current 2"} << 2;
    QTest::newRow("set past the end is none") << QStringList{"current 2", "current 9"} << -1;
    QTest::newRow("set one past the end is none") << QStringList{"current 2", "current 4"} << -1;
    QTest::newRow("the current last goes, the one before takes it")
        << QStringList{"current 3", "remove 3"} << 2;
    QTest::newRow("emptied at once") << QStringList{"current 2", "clear"} << -1;
    QTest::newRow("the line before goes") << QStringList{"current 2", "remove 0"} << 1;
    QTest::newRow("a line after goes") << QStringList{"current 1", "remove 3"} << 1;
    QTest::newRow("the current goes, the one before takes it")
        << QStringList{"current 2", "remove 2"} << 1;
    QTest::newRow("the current first goes, the next takes it")
        << QStringList{"current 0", "remove 0"} << 0;
    QTest::newRow("emptied from the front")
        << QStringList{"current 3", "remove 0", "remove 0", "remove 0", "remove 0"} << -1;
    QTest::newRow("marks move with their lines")
        << QStringList{"mark 1", "current 3", "mark 3", "remove 0"} << 2;
  }
  void listCurrentLine() {
    QFETCH(QStringList, steps);
    QFETCH(int, current);
    QWidget parent;
    platform::ListBox shown(&parent, platform::ListBox::Style::Toggle);
    platform::ListBox hidden(&parent, platform::ListBox::Style::Toggle);
    hidden.SetVisible(false);
    platform::LineList plain(platform::LineList::Style::Toggle);
    for (platform::LineList* list : {static_cast<platform::LineList*>(&shown),
                                     static_cast<platform::LineList*>(&hidden), &plain}) {
      for (int i = 0; i < 4; ++i) list->AddItem(QString::number(i));
      for (const QString& step : steps) {
        const int n = step.section(' ', 1).toInt();
        if (step.startsWith("current")) list->SetListIndex(n);
        if (step.startsWith("remove")) list->RemoveItem(n);
        if (step.startsWith("mark")) list->SetSelected(n, true);
        if (step == "clear") list->Clear();
      }
      QCOMPARE(list->ListIndex(), current);
    }
    // Shown, the hidden list's widget holds what the list holds.
    hidden.SetVisible(true);
    for (platform::ListBox* box : {&shown, &hidden}) {
      QCOMPARE(box->widget()->currentRow(), current);
      QCOMPARE(box->widget()->count(), box->ListCount());
      for (int i = 0; i < box->ListCount(); ++i) {
        QCOMPARE(box->widget()->item(i)->text(), box->List(i));
        QCOMPARE(box->widget()->item(i)->isSelected(), box->Selected(i));
      }
    }
  }

  // Steps on three lines: "click n" (mouse on line n), "space n" (line n made
  // current, then the space bar; "shift-space n", "ctrl-space n" with a key held), "set n" (marked
  // by code), "drag a b" (pressed on line a, moved to b with the button held, released), or the
  // marks expected.
  void listMarks_data() {
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("toggle: clicks add and remove marks")
        << true << QStringList{"click 0", "click 2", "101", "click 0", "001"};
    QTest::newRow("toggle: space toggles the current line alone")
        << true << QStringList{"click 2", "space 1", "011", "space 1", "001"};
    QTest::newRow("toggle: with Shift or Ctrl too")
        << true << QStringList{"shift-space 1", "010", "ctrl-space 0", "110"};
    QTest::newRow("toggle: a drag toggles the pressed line alone")
        << true << QStringList{"drag 2 0", "001", "drag 0 2", "101"};
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
      const int n = step.section(' ', 1, 1).toInt();
      const auto at = [&](int line) {
        return list.widget()->visualItemRect(list.widget()->item(line)).center();
      };
      QWidget* viewport = list.widget()->viewport();
      if (step.startsWith("click")) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at(n));
      } else if (step.startsWith("drag")) {
        // Sent straight to the list, so that no press counts as a double click.
        const auto send = [&](QEvent::Type type, int line, Qt::MouseButtons held) {
          const QPoint pos = at(line);
          QMouseEvent e(type, pos, viewport->mapToGlobal(pos),
                        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
          QApplication::sendEvent(viewport, &e);
        };
        const int to = step.section(' ', 2).toInt();
        send(QEvent::MouseButtonPress, n, Qt::LeftButton);
        for (int line = n; line != to;) {
          line += to > n ? 1 : -1;
          send(QEvent::MouseMove, line, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
      } else if (step.contains("space")) {
        list.SetListIndex(n);
        const Qt::KeyboardModifiers held = step.startsWith("shift")  ? Qt::ShiftModifier
                                           : step.startsWith("ctrl") ? Qt::ControlModifier
                                                                     : Qt::NoModifier;
        QTest::keyClick(list.widget(), Qt::Key_Space, held);
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

QTEST_MAIN(PlatformLists)
#include "tst_platform_lists.moc"
