#include <QLabel>
#include <QPushButton>

#include "inventory/StockUnit.h"
#include "shop/BuyUnit.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PageControl.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

using Lines = std::vector<std::string>;

class Shop : public TestGame {
 protected:
  void SetUp() override {
    Start();
    form = game->form2;
  }
  // The shop opened from the menu, its greeting forgotten.
  void Open() {
    game->form3->show();
    form->show();
    Events();
  }
  TForm2::ShopTab& Tab(ShopCategory category) { return form->Tab(category); }
  void Choose(ShopCategory category, int row) { Tab(category).SubjectListBox->Choose(row); }
  void Buy(ShopCategory category) { Tab(category).Button->click(); }
  Lines Backpack() { return game->form5->SubjectListBox->Lines(); }
  std::string Money() { return form->MoneyLabel->text().toStdString(); }

  TForm2* form = nullptr;
};

TEST_F(Shop, HasSixteenTabSheetsInOrder) {
  ASSERT_EQ(form->PageControl->count(), kShopCategoryCount);
  EXPECT_EQ(form->PageControl->geometry(), QRect(0, 49, 563, 275));
  for (int i = 0; i < kShopCategoryCount; ++i) {
    const auto category = static_cast<ShopCategory>(i);
    const QString key = ShopCategoryKey(category);
    QWidget* sheet = form->PageControl->widget(i);
    EXPECT_EQ(sheet->objectName(), key + "TabSheet");
    EXPECT_EQ(form->PageControl->tabText(i), ShopCategoryCaption(category));
    for (const char* control :
         {"Image", "Button", "ParLabel", "ListBox", "ThinLabel", "SubjectListBox"}) {
      EXPECT_NE(sheet->findChild<QWidget*>(key + control), nullptr)
          << (key + control).toStdString();
    }
    Lines kinds;
    for (const ItemKind* kind : ShopKinds(category)) kinds.push_back(kind->name);
    EXPECT_EQ(Tab(category).SubjectListBox->Lines(), kinds);
  }
  EXPECT_EQ(form->PageControl->currentWidget()->objectName(), "ShlemTabSheet");
  EXPECT_EQ(form->PageControl->tabText(4), "Дробящее");
}

TEST_F(Shop, ShowingChoosesTheFirstKindOfEveryTab) {
  form->PageControl->setCurrentIndex(3);
  Open();
  EXPECT_EQ(Money(), "У вас: 2000 руб.");
  for (int i = 0; i < kShopCategoryCount; ++i) {
    const auto category = static_cast<ShopCategory>(i);
    const ItemKind* first = ShopKinds(category).front();
    EXPECT_EQ(Tab(category).ChosenName, first->name);
    EXPECT_EQ(Tab(category).ListBox->Lines(), DescribeItem(first->name));
    EXPECT_EQ(Tab(category).Image->Picture(), "image\\" + first->name + ".bmp");
  }
  EXPECT_EQ(form->PageControl->currentIndex(), 3);
}

TEST_F(Shop, ChoosingNoLineKeepsTheChosenKind) {
  Open();
  Choose(ShopCategory::Mech, 4);
  Choose(ShopCategory::Mech, -1);
  EXPECT_EQ(Tab(ShopCategory::Mech).ChosenName, "Меч шёпота");
  EXPECT_EQ(Tab(ShopCategory::Mech).ListBox->Line(0), "Цена: 750 рублей");
}

TEST_F(Shop, ASixDigitSumShowsInPlainDigits) {
  game->state.Money = 100150;
  Open();
  EXPECT_EQ(Money(), "У вас: 100150 руб.");
  const auto& helmets = ShopKinds(ShopCategory::Shlem);
  const auto blindness = std::find_if(helmets.begin(), helmets.end(), [](const ItemKind* kind) {
    return kind->name == "Шлем слепоты";
  });
  ASSERT_NE(blindness, helmets.end());
  Choose(ShopCategory::Shlem, static_cast<int>(blindness - helmets.begin()));
  Buy(ShopCategory::Shlem);
  EXPECT_EQ(game->state.Money, 100000.0f);
  EXPECT_EQ(Money(), "У вас: 100000 руб.");
}

TEST_F(Shop, AChosenNameOutsideTheCatalogueIsNotSold) {
  Open();
  ASSERT_TRUE(game->bindings.Set("TForm2.AmuletChosenName", ScriptValue(std::string("Камень"))));
  Buy(ShopCategory::Amulet);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(game->state.Money, 2000.0f);
  EXPECT_TRUE(Backpack().empty());
}

}  // namespace
