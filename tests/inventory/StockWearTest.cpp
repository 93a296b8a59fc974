#include <QLabel>
#include <QPushButton>

#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "script/Controls.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

using Lines = std::vector<std::string>;

class Inventory : public TestGame {
 protected:
  void SetUp() override {
    Start();
    form = game->form5;
  }
  void Backpack(const Lines& lines) { form->SubjectListBox->SetLines(lines); }
  Lines BackpackLines() { return form->SubjectListBox->Lines(); }
  Lines Description() { return form->ParamListBox->Lines(); }
  void Choose(int row) {
    form->SubjectListBox->Choose(row);
    Events();
  }
  // Chooses the line and presses the wear button.
  void Wear(int row) {
    Choose(row);
    form->DressButton->click();
  }
  void ClickSlot(const char* slot) { form->Figure.Slot(slot)->Click(); }
  std::string DressCaption() { return form->DressButton->text().toStdString(); }
  bool DressEnabled() { return controls::OwnEnabled(form->DressButton); }

  TForm5* form = nullptr;
};

const std::string kNoChoice = R"(message "Ошибка" warning "Вы не выбрали вещь.")";

TEST_F(Inventory, ChoosingNothingIsRefused) {
  form->SubjectListBox->Choose(-1);
  EXPECT_EQ(Events(), Lines{kNoChoice});
  form->DressButton->click();
  form->SellButton->click();
  EXPECT_EQ(Events(), (Lines{kNoChoice, kNoChoice}));
}

TEST_F(Inventory, ChoosingAGemDescribesItAndDisablesWearing) {
  Backpack({"Алмаз [1]"});
  Choose(0);
  EXPECT_EQ(form->SelectedItem, "Алмаз [1]");
  EXPECT_EQ(Description(), (Lines{"Цена: 25 рублей", "", "Бонус", "", "Удар: 15", "КБ: 30"}));
  EXPECT_FALSE(DressEnabled());
}

TEST_F(Inventory, ChoosingLogsShowsTheirPriceOnly) {
  Backpack({"Поленья (3 штуки)"});
  Choose(0);
  EXPECT_EQ(Description(), Lines{"Цена: 120 рублей"});
  EXPECT_FALSE(DressEnabled());
}

TEST_F(Inventory, ScrollsUsedFromTheBackpackReadApply) {
  Backpack({"Свиток телепорта в город", "Шлем лавы", "Свиток боя"});
  Choose(0);
  EXPECT_EQ(DressCaption(), "Применить");
  EXPECT_EQ(form->DressButton->toolTip().toStdString(), "Применить вещь");
  EXPECT_TRUE(DressEnabled());
  Choose(1);
  EXPECT_EQ(DressCaption(), "Надеть");
  EXPECT_EQ(form->DressButton->toolTip().toStdString(), "Надеть вещь");
  // In the town no monster comes.
  Choose(2);
  EXPECT_EQ(Description(), (Lines{"Цена: 10 рублей", "", "Начать бой"}));
  EXPECT_EQ(DressCaption(), "Применить");
  EXPECT_FALSE(DressEnabled());
}

TEST_F(Inventory, TheBattleScrollWaitsWhileMoving) {
  Backpack({"Свиток боя"});
  game->state.Place = 4;
  Choose(0);
  EXPECT_TRUE(DressEnabled());
  game->form3->MoveCountdown = 3;
  Choose(0);
  EXPECT_FALSE(DressEnabled());
}

TEST_F(Inventory, WearingAHelmetOverAnother) {
  Backpack({"Шлем лавы", "Шлем исхода"});
  Wear(0);
  EXPECT_EQ(Events(), Lines{"sound sound\\Надеть.wav"});
  EXPECT_EQ(game->state.ShlemHint, "Шлем лавы");
  EXPECT_EQ(game->state.AttHP, 100);
  EXPECT_EQ(form->Figure.Slot("Shlem")->Picture(), "image\\Шлем лавы.bmp");
  EXPECT_EQ(form->Figure.Slot("Shlem")->toolTip().toStdString(), "Шлем лавы");
  EXPECT_EQ(BackpackLines(), Lines{"Шлем исхода"});
  EXPECT_EQ(form->SubjectListBox->currentRow(), 0);
  EXPECT_EQ(form->SelectedItem, "Шлем исхода");

  Wear(0);
  // The take-off sound cuts off the wear sound.
  EXPECT_EQ(Events(), (Lines{"sound sound\\Надеть.wav", "sound sound\\Снять.wav"}));
  EXPECT_EQ(game->state.ShlemHint, "Шлем исхода");
  EXPECT_EQ(BackpackLines(), Lines{"Шлем лавы"});
  EXPECT_EQ(game->state.AttPower, 26);  // "Шлем лавы" gave 5, "Шлем исхода" none
  EXPECT_EQ(game->state.AttDexterity, 31);
  EXPECT_EQ(game->state.AttUlov, 31);
}

TEST_F(Inventory, RequirementsRefuseWithTheSoundAlreadyPlayed) {
  game->state.AttLevel = 4;
  Backpack({"Меч дракона"});
  Wear(0);
  EXPECT_EQ(Events(), (Lines{"sound sound\\Надеть.wav",
                             R"(message "Ошибка" warning "Не учтены требования вещи.")"}));
  EXPECT_EQ(BackpackLines(), Lines{"Меч дракона"});
  EXPECT_EQ(game->state.OruzhieHint, kEmptySlot);
  EXPECT_EQ(game->state.AttKick, 1);
}

TEST_F(Inventory, APotionNeedsHealth) {
  game->state.AttHealth = 4;
  Backpack({"Зелье просветления"});
  Wear(0);
  EXPECT_EQ(Events().back(), R"(message "Ошибка" warning "Не учтены требования вещи.")");
  EXPECT_EQ(game->state.SodPoyas1Hint, kEmptySlot);
}

TEST_F(Inventory, AThirdRingReplacesRingTwo) {
  Backpack({"Кольцо орка", "Кольцо леса", "Кольцо тьмы"});
  Wear(0);
  Wear(0);
  Wear(0);
  EXPECT_EQ(game->state.Kolco1Hint, "Кольцо орка");
  EXPECT_EQ(game->state.Kolco2Hint, "Кольцо тьмы");
  EXPECT_EQ(BackpackLines(), Lines{"Кольцо леса"});
}

TEST_F(Inventory, KnifeReturnsTheShield) {
  Backpack({"Щит покорения", "Кинжал мечтаний"});
  Wear(0);
  EXPECT_EQ(game->state.ShitTrue, 1);
  Wear(0);
  EXPECT_EQ(game->state.ShitTrue, 0);
  EXPECT_EQ(game->state.ShitHint, "Кинжал мечтаний");
  EXPECT_EQ(BackpackLines(), Lines{"Щит покорения"});
}

TEST_F(Inventory, TheChainMailShowsWhenWornAndHidesWhenTakenOff) {
  Backpack({"Кольчуга заката"});
  Wear(0);
  PictureBox* kolch = form->Figure.Slot("Kolch");
  EXPECT_TRUE(controls::OwnVisible(kolch));
  EXPECT_EQ(kolch->Picture(), "image\\Кольчуга заката.bmp");
  EXPECT_TRUE(Description().empty());
  ClickSlot("Kolch");
  EXPECT_FALSE(controls::OwnVisible(kolch));
  EXPECT_EQ(BackpackLines(), Lines{"Кольчуга заката"});
}

TEST_F(Inventory, TakingOffIntoAnEmptyBackpackChoosesTheItem) {
  Backpack({"Шлем слепоты"});
  Wear(0);
  EXPECT_TRUE(BackpackLines().empty());
  Events();
  ClickSlot("Shlem");
  EXPECT_EQ(Events(), Lines{"sound sound\\Снять.wav"});
  EXPECT_EQ(BackpackLines(), Lines{"Шлем слепоты"});
  EXPECT_EQ(form->SubjectListBox->currentRow(), 0);
  EXPECT_EQ(Description().front(), "Цена: 150 рублей");
  EXPECT_EQ(form->Figure.Slot("Shlem")->Picture(), "image\\Шлем.bmp");
  EXPECT_EQ(game->state.AttHP, 50);
  EXPECT_EQ(game->state.MoveAttHP, 50);
}

TEST_F(Inventory, EmptySlotsAndThePocketTakeNoClicks) {
  ClickSlot("Shlem");
  ClickSlot("Karman");
  EXPECT_TRUE(Events().empty());
  EXPECT_TRUE(BackpackLines().empty());
}

TEST_F(Inventory, TheWoodcuttersAxeOffersWoodCuttingAtTheForest) {
  game->state.Place = 1;
  Backpack({"Топор дровосека", "Поющий клинок"});
  Wear(0);
  EXPECT_TRUE(controls::OwnVisible(game->form3->ProfButton));
  // Wearing another weapon replaces the axe even while its picture is disabled.
  form->Figure.Slot("Oruzhie")->setEnabled(false);
  Wear(0);
  EXPECT_EQ(game->state.OruzhieHint, "Поющий клинок");
  EXPECT_FALSE(controls::OwnVisible(game->form3->ProfButton));
  EXPECT_EQ(game->state.AttKick, 36);
}

TEST_F(Inventory, TheBattleScrollCallsTheNextAttack) {
  game->state.Place = 4;
  Backpack({"Свиток боя", "Шлем лавы"});
  Wear(0);
  EXPECT_EQ(game->form3->EncounterCountdown, 1);
  EXPECT_EQ(BackpackLines(), Lines{"Шлем лавы"});
  EXPECT_EQ(DressCaption(), "Надеть");
}

TEST_F(Inventory, TheTownTeleportEndsTheMoveAndTakesThePlayerHome) {
  game->state.Place = 4;
  game->form3->MoveCountdown = 7;
  game->form3->CutCountdown = 3;
  form->show();
  Backpack({"Свиток телепорта в город"});
  Wear(0);
  const Lines events = Events();
  EXPECT_EQ(events.front(), "sound sound\\Надеть.wav");
  EXPECT_EQ(events[1], "sound sound\\Применить.wav");
  const Lines tail(events.end() - 3, events.end());
  EXPECT_EQ(
      tail,
      (Lines{
          R"(message "Off-Line Morrowgate" none "Вы заходите в телепорт, который ведёт в город.")",
          "hide TForm5", "show TForm3"}));
  EXPECT_EQ(game->state.Place, 5);
  EXPECT_EQ(game->form3->MoveCountdown, 0);
  EXPECT_EQ(game->form3->CutCountdown, 0);
  EXPECT_EQ(game->form3->EncounterCountdown, 0);
  EXPECT_TRUE(BackpackLines().empty());
}

TEST_F(Inventory, TheMasterTeleportOpensTheFightAgainstTheMaster) {
  game->state.Place = 4;
  Backpack({"Свиток телепорта к Мастеру"});
  form->show();
  Wear(0);
  const Lines events = Events();
  EXPECT_NE(
      std::find(
          events.begin(), events.end(),
          R"(message "Off-Line Morrowgate" none "Вы заходите в телепорт, который ведёт к Мастеру.")"),
      events.end());
  EXPECT_NE(std::find(events.begin(), events.end(), "show TForm1"), events.end());
  EXPECT_EQ(game->form3->AttackerKinds[1], 22);
  EXPECT_EQ(game->form3->AttackerKinds[2], 0);
  EXPECT_EQ(game->state.Place, 4);
  EXPECT_TRUE(BackpackLines().empty());
}

TEST_F(Inventory, SellingHalvesThePriceAndChoosesTheFirstLine) {
  game->state.Money = 1825;
  Backpack({"Шлем слепоты", "Амулет смертельного взгляда", "Алмаз [3]"});
  Choose(1);
  form->SellButton->click();
  EXPECT_EQ(Events(), (Lines{"sound sound\\Продать.wav",
                             R"(message "Off-Line Morrowgate" none "Вещь продана за 87.5 руб.")"}));
  EXPECT_FLOAT_EQ(game->state.Money, 1912.5f);
  EXPECT_EQ(form->MoneyLabel->text().toStdString(), "У вас: 1912.5 руб.");
  EXPECT_EQ(BackpackLines(), (Lines{"Шлем слепоты", "Алмаз [3]"}));
  EXPECT_EQ(form->SubjectListBox->currentRow(), 0);
  EXPECT_EQ(form->SelectedItem, "Шлем слепоты");
}

TEST_F(Inventory, SellingTheLastLineEmptiesTheDescription) {
  Backpack({"Поленья (5 штук)"});
  Choose(0);
  form->SellButton->click();
  EXPECT_FLOAT_EQ(form->LastSalePrice, 100.0f);
  EXPECT_FLOAT_EQ(game->state.Money, 2100.0f);
  EXPECT_TRUE(BackpackLines().empty());
  EXPECT_TRUE(Description().empty());
}

TEST_F(Inventory, GemsGoIntoTheBonusesAndBack) {
  Backpack({"Алмаз [2]", "Шлем слепоты"});
  Choose(0);
  form->DragButton->click();
  EXPECT_EQ(game->state.AttKick, 31);
  EXPECT_EQ(game->state.AttKB, 61);
  EXPECT_EQ(form->TransListBox->Lines(), Lines{"Алмаз [2]"});
  EXPECT_EQ(BackpackLines(), Lines{"Шлем слепоты"});
  EXPECT_EQ(form->TransListBox->currentRow(), 0);
  form->Drag2Button->click();
  EXPECT_EQ(game->state.AttKick, 1);
  EXPECT_EQ(game->state.AttKB, 1);
  EXPECT_EQ(BackpackLines(), (Lines{"Шлем слепоты", "Алмаз [2]"}));
  EXPECT_TRUE(form->TransListBox->Lines().empty());
}

TEST_F(Inventory, ANonGemMovesWithoutABonus) {
  Backpack({"Шлем слепоты"});
  Choose(0);
  form->DragButton->click();
  EXPECT_EQ(game->state.AttPower, 26);
  EXPECT_EQ(form->TransListBox->Lines(), Lines{"Шлем слепоты"});
  form->Drag2Button->click();
  EXPECT_EQ(BackpackLines(), Lines{"Шлем слепоты"});
}

TEST_F(Inventory, AtMostFiveBonuses) {
  form->TransListBox->SetLines({"Алмаз [1]", "Алмаз [1]", "Алмаз [1]", "Алмаз [1]", "Алмаз [1]"});
  Backpack({"Шлем слепоты"});
  Choose(0);
  form->DragButton->click();
  EXPECT_EQ(Events(), Lines{R"(message "Ошибка" warning "Может быть максимум 5 бонусов.")"});
  EXPECT_EQ(BackpackLines(), Lines{"Шлем слепоты"});
  form->TransListBox->setCurrentRow(-1);
  form->Drag2Button->click();
  EXPECT_EQ(Events(), Lines{kNoChoice});
}

TEST_F(Inventory, ThreeTopazesCombine) {
  Backpack({"Топаз [1]", "Топаз [1]", "Топаз [1]"});
  for (int i = 0; i < 3; ++i) {
    Choose(0);
    form->DragButton->click();
  }
  EXPECT_EQ(game->state.AttDexterity, 56);
  form->TransButton->click();
  EXPECT_EQ(game->state.AttDexterity, 26);
  EXPECT_EQ(game->state.AttUlov, 1);
  EXPECT_EQ(game->state.AttStoi, 1);
  EXPECT_TRUE(form->TransListBox->Lines().empty());
  EXPECT_EQ(BackpackLines(), Lines{"Топаз [2]"});
  EXPECT_TRUE(Events().empty());
}

TEST_F(Inventory, UnequalGemsDoNotCombine) {
  form->TransListBox->SetLines({"Рубин [1]", "Рубин [1]", "Рубин [2]"});
  form->TransButton->click();
  EXPECT_EQ(form->TransListBox->count(), 3);
  EXPECT_TRUE(BackpackLines().empty());
  EXPECT_TRUE(Events().empty());
}

}  // namespace
