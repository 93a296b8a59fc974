#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <random>

#include "widgets/ItemListModel.h"
#include "widgets/ListBox.h"

namespace {

using Lines = std::vector<std::string>;

// A shown list box of 150 × 200 pixels: room for about ten lines.
class ShownListBox : public ::testing::Test {
 protected:
  ShownListBox() : box("SubjectListBox", nullptr, &lines), clicks(&box, &ListBox::Click) {
    box.resize(150, 200);
    box.show();
  }
  QPoint CentreOf(int row) { return box.visualRect(box.model()->index(row, 0)).center(); }
  QPoint EmptyArea() { return QPoint(10, box.viewport()->height() - 5); }
  void Click(QPoint where, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(box.viewport(), button, {}, where);
  }

  ItemList lines;
  ListBox box;
  QSignalSpy clicks;
};

TEST_F(ShownListBox, AClickOnALineChoosesItAndRunsTheHandler) {
  lines.ReplaceAll({"Шлем слепоты", "Зелье ХП", "Алмаз [1]"});
  Click(CentreOf(1));
  EXPECT_EQ(box.currentRow(), 1);
  EXPECT_EQ(clicks.count(), 1);
  Click(CentreOf(2));
  EXPECT_EQ(box.currentRow(), 2);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ShownListBox, AClickOnTheEmptyAreaRunsTheHandlerWithTheLineChosenBefore) {
  Click(EmptyArea());
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(box.currentRow(), -1);
  lines.ReplaceAll({"Шлем слепоты", "Зелье ХП"});
  Click(EmptyArea());
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_EQ(box.currentRow(), -1);
  box.setCurrentRow(1);
  Click(EmptyArea());
  EXPECT_EQ(clicks.count(), 3);
  EXPECT_EQ(box.currentRow(), 1);
}

TEST_F(ShownListBox, OnlyTheLeftButtonAndAChangeOfLineByKeyCountAsClicks) {
  lines.ReplaceAll({"Шлем слепоты", "Зелье ХП"});
  Click(CentreOf(0), Qt::RightButton);
  EXPECT_EQ(clicks.count(), 0);
  box.setCurrentRow(0);
  QTest::keyClick(&box, Qt::Key_Down);
  EXPECT_EQ(box.currentRow(), 1);
  EXPECT_EQ(clicks.count(), 1);
  // Already on the last line: nothing is chosen anew.
  QTest::keyClick(&box, Qt::Key_Down);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ShownListBox, ChoosingByTheGameDoesNotRunTheHandlerButChooseDoes) {
  lines.ReplaceAll({"Шлем слепоты"});
  box.setCurrentRow(0);
  EXPECT_EQ(clicks.count(), 0);
  box.Choose(5);
  EXPECT_EQ(box.currentRow(), -1);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(box.selectionModel()->hasSelection());
}

// Whatever mix of mouse buttons, modifiers, keys, drags and focus the player
// uses, the line shown chosen is the line the handler last saw.
TEST_F(ShownListBox, TheLineShownChosenIsAlwaysTheOneTheHandlerSaw) {
  lines.ReplaceAll({"Шлем слепоты", "Зелье ХП", "Алмаз [1]", "Меч", "Поленья (3 штуки)"});
  int seen = -1;
  QObject::connect(&box, &ListBox::Click, [&] { seen = box.currentRow(); });
  std::mt19937 random(20261209);
  const auto draw = [&random](int n) { return static_cast<int>(random() % n); };
  const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,  Qt::Key_Home,
                          Qt::Key_End, Qt::Key_Space, Qt::Key_M};
  const QPoint outside(-20, -20);
  for (int step = 0; step < 1500; ++step) {
    const QPoint row = draw(6) == 0 ? EmptyArea() : CentreOf(draw(5));
    const Qt::MouseButton button = buttons[draw(3)];
    const Qt::KeyboardModifiers modifiers = draw(3) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    switch (draw(5)) {
      case 0:
        QTest::mouseClick(box.viewport(), button, modifiers, row);
        break;
      case 1:
        // As a mouse sends it: a click, then the double click and its release.
        QTest::mouseClick(box.viewport(), button, modifiers, row);
        QTest::mouseDClick(box.viewport(), button, modifiers, row);
        QTest::mouseRelease(box.viewport(), button, modifiers, row);
        break;
      case 2:
        // A drag over the lines that ends outside the list.
        QTest::mousePress(box.viewport(), button, modifiers, row);
        {
          // Sent, not through the cursor, whose moves arrive at the platform's pace.
          const QPoint to = CentreOf(draw(5));
          QMouseEvent move(QEvent::MouseMove, to, box.viewport()->mapToGlobal(to), Qt::NoButton,
                           button, modifiers);
          QApplication::sendEvent(box.viewport(), &move);
        }
        QTest::mouseRelease(box.viewport(), button, modifiers, outside);
        break;
      case 3:
        QTest::keyClick(&box, keys[draw(6)], modifiers);
        break;
      default: {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason),
            in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&box, &out);
        QApplication::sendEvent(&box, &in);
      }
    }
    const QModelIndexList shown = box.selectionModel()->selectedIndexes();
    ASSERT_LE(shown.size(), 1) << step;
    ASSERT_EQ(shown.empty() ? -1 : shown.front().row(), seen) << step;
    ASSERT_EQ(box.currentRow(), seen) << step;
  }
  EXPECT_GE(seen, 0);
}

// The view shows exactly the data, line for line, after any mix of changes; the
// model's announcements are checked by Qt's own model tester as they happen.
TEST_F(ShownListBox, DataModelAndViewAgreeThroughALongRandomRun) {
  QAbstractItemModelTester tester(box.model(),
                                  QAbstractItemModelTester::FailureReportingMode::Fatal);
  const Lines names = {"Шлем слепоты", "Зелье ХП", "Алмаз [1]", "Поленья (3 штуки)", "Меч"};
  std::mt19937 random(20261209);
  const auto draw = [&random](int n) { return static_cast<int>(random() % n); };
  Lines expected;
  for (int step = 0; step < 3000; ++step) {
    const int count = static_cast<int>(expected.size());
    const int chosen = box.currentRow();
    const std::string chosenLine = chosen >= 0 ? expected[chosen] : "";
    int removed = -2;
    switch (draw(10)) {
      case 0:
      case 1:
      case 2:
      case 3: {
        const std::string name = names[draw(names.size())];
        lines.Append(name);
        expected.push_back(name);
        break;
      }
      case 4:
      case 5:
      case 6: {
        // Now and then a row that is not there.
        removed = draw(count + 2) - 1;
        const bool there = removed >= 0 && removed < count;
        EXPECT_EQ(lines.RemoveAt(removed), there) << step;
        if (there) expected.erase(expected.begin() + removed);
        break;
      }
      case 7: {
        Lines fresh(draw(count < 150 ? 40 : 2), names[draw(names.size())]);
        lines.ReplaceAll(fresh);
        expected = fresh;
        break;
      }
      default:
        box.Choose(draw(count + 1) - (count > 0 ? 0 : 1));
        break;
    }
    ASSERT_EQ(lines.Lines(), expected) << step;
    ASSERT_EQ(box.model()->rowCount(), static_cast<int>(expected.size())) << step;
    for (int row = 0; row < static_cast<int>(expected.size()); ++row) {
      ASSERT_EQ(box.model()->index(row, 0).data().toString().toStdString(), expected[row]) << step;
    }
    // The chosen line stays chosen while other lines come and go.
    if (chosen >= 0 && removed != chosen && removed != -2) {
      ASSERT_GE(box.currentRow(), 0) << step;
      ASSERT_EQ(expected[box.currentRow()], chosenLine) << step;
    }
    ASSERT_LT(box.currentRow(), static_cast<int>(expected.size())) << step;
    // The last line is drawn where the view says it is.
    if (!expected.empty()) {
      const QModelIndex last = box.model()->index(static_cast<int>(expected.size()) - 1, 0);
      box.scrollTo(last);
      ASSERT_EQ(box.indexAt(box.visualRect(last).center()), last) << step;
    }
  }
}

}  // namespace
