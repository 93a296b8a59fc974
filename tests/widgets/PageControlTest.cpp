#include <gtest/gtest.h>

#include <QAbstractButton>
#include <memory>

#include "widgets/PageControl.h"

namespace {

// The shop's sixteen captions: more than one row's worth at its width.
const char* const kCaptions[] = {"Шлемы",   "Амулеты",  "Мечи",   "Топоры",   "Дробящее", "Ножи",
                                 "Пояса",   "Сапоги",   "Наручи", "Перчатки", "Щиты",     "Кольца",
                                 "Доспехи", "Кольчуги", "Зелья",  "Свитки"};

class Pages : public ::testing::Test {
 protected:
  void SetUp() override {
    control->resize(563, 275);
    for (const char* caption : kCaptions) {
      sheets.push_back(new QWidget);
      control->addTab(sheets.back(), caption);
    }
  }
  QList<QAbstractButton*> Tabs() const {
    return control->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
  }

  std::unique_ptr<PageControl> control = std::make_unique<PageControl>(nullptr);
  std::vector<QWidget*> sheets;
};

}  // namespace

TEST_F(Pages, EveryTabIsInViewInRowsThatFillTheWidth) {
  EXPECT_EQ(control->rowCount(), 2);
  const auto tabs = Tabs();
  ASSERT_EQ(tabs.size(), static_cast<qsizetype>(std::size(kCaptions)));
  int rowEnd = 0;
  for (qsizetype i = 0; i < tabs.size(); ++i) {
    const QRect frame = tabs[i]->geometry();
    EXPECT_TRUE(control->rect().contains(frame)) << i;
    EXPECT_GE(frame.width(), tabs[i]->sizeHint().width()) << i;
    // In reading order: each tab follows the one before, or starts a new row.
    if (i > 0 && frame.left() != 0) {
      EXPECT_EQ(frame.left(), tabs[i - 1]->geometry().right() + 1);
    }
    if (i + 1 == tabs.size() || tabs[i + 1]->geometry().left() == 0) {
      EXPECT_EQ(frame.right(), control->width() - 1) << "row ending with tab " << i;
      rowEnd = frame.bottom();
    }
  }
  for (QWidget* sheet : sheets) EXPECT_GT(sheet->mapTo(control.get(), QPoint(0, 0)).y(), rowEnd);
}

TEST_F(Pages, ATabShowsItsSheetAndOnlyOneTabIsDown) {
  EXPECT_EQ(control->currentWidget(), sheets[0]);
  Tabs()[12]->click();
  EXPECT_EQ(control->currentIndex(), 12);
  EXPECT_EQ(control->currentWidget(), sheets[12]);
  control->setCurrentWidget(sheets[3]);
  for (qsizetype i = 0; i < Tabs().size(); ++i) EXPECT_EQ(Tabs()[i]->isChecked(), i == 3) << i;
  EXPECT_EQ(control->tabText(4), "Дробящее");
  EXPECT_EQ(control->indexOf(sheets[15]), 15);
}

TEST_F(Pages, IndicesOutsideTheTabsChangeNothing) {
  control->setCurrentIndex(5);
  control->setCurrentIndex(16);
  control->setCurrentIndex(-1);
  EXPECT_EQ(control->currentIndex(), 5);
  EXPECT_EQ(control->tabText(16), "");
}
