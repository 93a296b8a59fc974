#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "inventory/StockUnit.h"
#include "shop/BuyUnit.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kBought = "message \"Off-Line Morrowgate\" none \"Вещь куплена.\"";
const std::string kTooLittle =
    "message \"Сообщение\" warning \"У вас не хватает денег для покупки.\"";

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

TEST_F(Shop, PlacesEachTabsControls) {
  const TForm2::ShopTab& helmets = Tab(ShopCategory::Shlem);
  EXPECT_EQ(helmets.Image->geometry(), QRect(5, 20, 62, 65));
  EXPECT_EQ(helmets.Button->geometry(), QRect(5, 95, 62, 30));
  EXPECT_EQ(helmets.Button->text(), "Купить");
  EXPECT_EQ(helmets.Button->toolTip(), "Купить вещь");
  EXPECT_EQ(helmets.ListBox->geometry(), QRect(85, 20, 150, 199));
  EXPECT_EQ(helmets.SubjectListBox->geometry(), QRect(245, 20, 165, 199));
  EXPECT_EQ(helmets.ParLabel->text(), "Параметры вещи:");
  EXPECT_EQ(helmets.ThinLabel->text(), "Вещи в продаже:");
  EXPECT_EQ(Tab(ShopCategory::Kolco).Image->size(), QSize(31, 31));
  EXPECT_EQ(Tab(ShopCategory::Kolco).Button->geometry(), QRect(5, 61, 62, 30));
  EXPECT_EQ(Tab(ShopCategory::Nozh).Image->size(), QSize(62, 91));
  EXPECT_EQ(Tab(ShopCategory::Zelik).Image->size(), QSize(20, 20));
  EXPECT_EQ(Tab(ShopCategory::Svitok).Image->size(), QSize(42, 21));
  EXPECT_EQ(Tab(ShopCategory::Kolch).Image->size(), QSize(62, 83));
  EXPECT_EQ(form->MoneyLabel->geometry(), QRect(234, 18, 95, 14));
  EXPECT_EQ(form->BackButton->geometry(), QRect(475, 10, 80, 30));
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

TEST_F(Shop, ReopeningShowsTheFirstHelmetAgain) {
  Open();
  Choose(ShopCategory::Shlem, 2);
  EXPECT_EQ(Tab(ShopCategory::Shlem).ChosenName, "Шлем исхода");
  EXPECT_EQ(Tab(ShopCategory::Shlem).ListBox->Line(0), "Цена: 200 рублей");
  EXPECT_EQ(Tab(ShopCategory::Shlem).Image->Picture(), "image\\Шлем исхода.bmp");
  form->BackButton->click();
  Open();
  EXPECT_EQ(Tab(ShopCategory::Shlem).ChosenName, "Шлем слепоты");
  EXPECT_EQ(Tab(ShopCategory::Shlem).ListBox->Line(0), "Цена: 150 рублей");
}

TEST_F(Shop, ChoosingNoLineKeepsTheChosenKind) {
  Open();
  Choose(ShopCategory::Mech, 4);
  Choose(ShopCategory::Mech, -1);
  EXPECT_EQ(Tab(ShopCategory::Mech).ChosenName, "Меч шёпота");
  EXPECT_EQ(Tab(ShopCategory::Mech).ListBox->Line(0), "Цена: 750 рублей");
}

TEST_F(Shop, BuyingWithExactMoneyLeavesNothing) {
  Open();
  game->state.Money = 150;
  Buy(ShopCategory::Shlem);
  EXPECT_EQ(Events(), Lines{kBought});
  EXPECT_EQ(game->state.Money, 0.0f);
  EXPECT_EQ(form->PurchasePrice, 150.0f);
  EXPECT_EQ(Backpack(), Lines{"Шлем слепоты"});
  EXPECT_EQ(Money(), "У вас: 0 руб.");
}

TEST_F(Shop, BuyingAPotionAddsItToTheBackpack) {
  Open();
  Choose(ShopCategory::Zelik, 5);
  Buy(ShopCategory::Zelik);
  EXPECT_EQ(game->state.Money, 1825.0f);
  EXPECT_EQ(Backpack(), Lines{"Зелье ХП"});
  EXPECT_EQ(Money(), "У вас: 1825 руб.");
}

TEST_F(Shop, BuyingTheSameKindTwiceGivesTwoLines) {
  game->form5->SubjectListBox->AddLine("Алмаз [1]");
  game->state.Money = 2087.5;
  Open();
  Choose(ShopCategory::Drob, 1);
  Buy(ShopCategory::Drob);
  Buy(ShopCategory::Drob);
  EXPECT_EQ(Events(), (Lines{kBought, kBought}));
  EXPECT_EQ(Backpack(), (Lines{"Алмаз [1]", "Молот последней молитвы", "Молот последней молитвы"}));
  EXPECT_EQ(game->state.Money, 1637.5f);
}

TEST_F(Shop, TooLittleMoneyChangesNothing) {
  Open();
  game->state.Money = 1749;
  Choose(ShopCategory::Shlem, 8);
  Buy(ShopCategory::Shlem);
  EXPECT_EQ(Events(), (Lines{"sound sound\\Не хватает.wav", kTooLittle}));
  EXPECT_EQ(game->state.Money, 1749.0f);
  EXPECT_EQ(form->PurchasePrice, 1750.0f);
  EXPECT_TRUE(Backpack().empty());
  EXPECT_EQ(Money(), "У вас: 2000 руб.");

  game->state.Sound = 0;
  Buy(ShopCategory::Shlem);
  EXPECT_EQ(Events(), Lines{kTooLittle});
}

TEST_F(Shop, MembersAreReachableByName) {
  Open();
  Choose(ShopCategory::Svitok, 2);
  EXPECT_EQ(game->bindings.Get("TForm2.SvitokChosenName"),
            ScriptValue(std::string("Свиток телепорта к Мастеру")));
  EXPECT_EQ(game->bindings.Get("TForm2.ShlemChosenName"), ScriptValue(std::string("Шлем слепоты")));
  EXPECT_EQ(game->bindings.Get("TForm2.PurchasePrice"), ScriptValue(0.0f));
  Buy(ShopCategory::Svitok);
  EXPECT_EQ(game->bindings.Get("TForm2.PurchasePrice"), ScriptValue(250.0f));
}

TEST_F(Shop, AChosenNameOutsideTheCatalogueIsNotSold) {
  Open();
  ASSERT_TRUE(game->bindings.Set("TForm2.AmuletChosenName", ScriptValue(std::string("Камень"))));
  Buy(ShopCategory::Amulet);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(game->state.Money, 2000.0f);
  EXPECT_TRUE(Backpack().empty());
}

TEST_F(Shop, EscLeavesLikeTheBackButton) {
  Open();
  Draws({1});
  EXPECT_TRUE(form->FormKeyPress(27));
  EXPECT_EQ(Events(), (Lines{"hide TForm2", "sound sound\\Пока.wav"}));
  EXPECT_TRUE(form->isHidden());
  EXPECT_FALSE(game->form3->isHidden());
}

}  // namespace
