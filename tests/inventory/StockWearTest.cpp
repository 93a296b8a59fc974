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

TEST_F(Inventory, LabelsShowTheValuesAndThePointsLeft) {
  game->state.Nick = "Вася";
  game->state.PointPar = 1;
  form->TimerTimer();
  const std::pair<QLabel*, const char*> labels[] = {{form->PowerLabel, "Сила: 26"},
                                                    {form->KickLabel, "Удар: 1"},
                                                    {form->StoiLabel, "Стойкость: 1"},
                                                    {form->HealthLabel, "Здоровье: 5"},
                                                    {form->UluchLabel, "Остался: 1 стат."}};
  for (const auto& [label, text] : labels) EXPECT_EQ(label->text().toStdString(), text);
  EXPECT_TRUE(controls::OwnVisible(form->DexterityButton));
  // The last point's button goes only at the next tick.
  form->HealthButton->click();
  EXPECT_TRUE(controls::OwnVisible(form->HealthButton));
  form->TimerTimer();
  EXPECT_FALSE(controls::OwnVisible(form->HealthButton));
  EXPECT_FALSE(controls::OwnVisible(form->UluchLabel));
  EXPECT_EQ(form->HPLabel->text().toStdString(), "Вася [1] | ХП: [60/60]");
}

TEST_F(Inventory, ShowingDrawsTheFigureAndChoosesTheFirstBonusLine) {
  game->state.Avatar = "image\\7.bmp";
  form->show();
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\7.bmp");
  EXPECT_EQ(form->Figure.Slot("Karman")->Picture(), "image\\Карман.bmp");
  EXPECT_FALSE(controls::OwnVisible(form->Figure.Slot("Kolch")));
  EXPECT_EQ(form->SubjectListBox->currentRow(), -1);
  EXPECT_EQ(form->TransListBox->currentRow(), -1);
  form->hide();
  form->TransListBox->SetLines({"Алмаз [1]", "Рубин [1]"});
  form->show();
  EXPECT_EQ(form->TransListBox->currentRow(), 0);
}

TEST_F(Inventory, ChoosingNothingIsRefused) {
  form->SubjectListBox->Choose(-1);
  EXPECT_EQ(Events(), Lines{kNoChoice});
  form->DressButton->click();
  form->SellButton->click();
  EXPECT_EQ(Events(), (Lines{kNoChoice, kNoChoice}));
}

TEST_F(Inventory, GemsAndLogsAreDescribedButNeverWorn) {
  const std::pair<const char*, Lines> cases[] = {
      {"Алмаз [1]", {"Цена: 25 рублей", "", "Бонус", "", "Удар: 15", "КБ: 30"}},
      {"Поленья (3 штуки)", {"Цена: 120 рублей"}}};
  for (const auto& [item, description] : cases) {
    Backpack({item});
    Choose(0);
    EXPECT_EQ(form->SelectedItem, item);
    EXPECT_EQ(Description(), description);
    EXPECT_FALSE(DressEnabled());
  }
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

TEST_F(Inventory, TheTownTeleportEndsACuttingAndTheCountdown) {
  game->state.Place = 1;
  game->form3->CutCountdown = 3;
  game->form3->EncounterCountdown = 12;
  form->show();
  Backpack({"Свиток телепорта в город"});
  Wear(0);
  EXPECT_EQ(game->state.Place, 5);
  EXPECT_EQ(game->form3->CutCountdown, 0);
  EXPECT_EQ(game->form3->EncounterCountdown, 0);
}

TEST_F(Inventory, SellingChoosesTheFirstLine) {
  Backpack({"Шлем слепоты", "Амулет смертельного взгляда", "Алмаз [3]"});
  Choose(1);
  form->SellButton->click();
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

TEST_F(Inventory, ASaleReachingAMillionShowsPlainDigits) {
  game->state.Money = 999900;
  Backpack({"Поленья (5 штук)"});
  Choose(0);
  form->SellButton->click();
  EXPECT_EQ(Events(), (Lines{R"(sound sound\Продать.wav)",
                             R"(message "Off-Line Morrowgate" none "Вещь продана за 100 руб.")"}));
  EXPECT_EQ(form->MoneyLabel->text().toStdString(), "У вас: 1000000 руб.");
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

}  // namespace
