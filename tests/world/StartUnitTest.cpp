#include "fight/MGUnit.h"
#include "world/WorldFixture.h"

namespace {

TEST_F(WorldTest, PicturesLieOnTheGridAndNeighboursTouch) {
  Enter(5);
  for (int a = 1; a <= kPlaceCount; ++a) {
    const QRect frame = menu->Images[a]->geometry();
    EXPECT_EQ(frame.size(), QSize(100, 100));
    EXPECT_EQ(menu->Images[a]->objectName(), QString("Image%1").arg(a));
    for (int b = 1; b <= kPlaceCount; ++b) {
      const QPoint step = menu->Images[b]->geometry().topLeft() - frame.topLeft();
      const bool touching = std::abs(step.x()) <= 101 && std::abs(step.y()) <= 101 && a != b;
      EXPECT_EQ(AreNeighbours(a, b), touching) << a << " " << b;
    }
  }
  // Rows of five from the bottom up, 101 pixels apart.
  EXPECT_EQ(menu->Images[2]->x() - menu->Images[1]->x(), 101);
  EXPECT_EQ(menu->Images[1]->y() - menu->Images[6]->y(), 101);
  EXPECT_EQ(menu->Images[16]->y() + 303, menu->Images[1]->y());
}

TEST_F(WorldTest, RefreshDrawsCountThenCountdownThenKindsFromTheLastSlot) {
  Enter(3);
  game->state.AttLevel = 14;
  Draws({7, 4, 0, 20, 40});  // three attackers, countdown 19, rolls 1, 21, 41
  menu->RefreshMap();
  EXPECT_EQ(menu->AttackerCount, 3);
  EXPECT_EQ(menu->EncounterCountdown, 19);
  EXPECT_EQ(menu->Attackers(), (AttackerSlots{0, 5, 4, 14}));
  EXPECT_EQ(game->random.ForcedLeft(), 0u);
  for (int place = 1; place <= kPlaceCount; ++place) {
    const std::string expected = place == 3 ? "image\\p0.bmp" : PlacePicture(place);
    EXPECT_EQ(menu->Images[place]->Picture(), expected) << place;
  }
  EXPECT_FALSE(Enabled(menu->ShopButton));
  EXPECT_FALSE(Enabled(game->form5->SellButton));
}

TEST_F(WorldTest, TheTownOpensTradeDrawsNothingAndCancelsTheCountdown) {
  Enter(5, 12);
  menu->SetAttackers({0, 4, 4, 0});
  Draws({1});
  menu->RefreshMap();
  EXPECT_EQ(game->random.ForcedLeft(), 1u);
  EXPECT_EQ(menu->EncounterCountdown, 0);
  EXPECT_EQ(menu->Attackers(), (AttackerSlots{}));
  EXPECT_TRUE(Enabled(menu->ShopButton));
  EXPECT_TRUE(Enabled(game->form5->SellButton));
  EXPECT_EQ(menu->Images[5]->Picture(), "image\\p0.bmp");
  EXPECT_EQ(menu->Images[4]->Picture(), "image\\p4.bmp");
  EXPECT_EQ(menu->Images[4]->toolTip().toStdString(), "Переместиться");
}

TEST_F(WorldTest, TheBattleScrollCanBeWornOnlyOutsideTheTown) {
  Enter(5);
  TForm5& inventory = *game->form5;
  inventory.SelectedItem = "Свиток боя";
  menu->RefreshMap();
  EXPECT_FALSE(Enabled(inventory.DressButton));
  game->state.Place = 9;
  menu->RefreshMap();
  EXPECT_TRUE(Enabled(inventory.DressButton));
  // Another item keeps the wear button as the inventory left it.
  inventory.SelectedItem = "Зелье ХП";
  inventory.DressButton->setEnabled(false);
  game->state.Place = 5;
  menu->RefreshMap();
  EXPECT_FALSE(Enabled(inventory.DressButton));
}

TEST_F(WorldTest, ArrivalKeepsARunningCountdownAndDrawsAFinishedOneAnew) {
  Enter(9, 7);
  Draws({0});  // the count only: place 10 needs no roll
  Travel(10);
  EXPECT_EQ(menu->EncounterCountdown, 7);
  menu->EncounterCountdown = 0;
  Draws({0, 14, 0});
  Travel(9);
  EXPECT_EQ(menu->EncounterCountdown, 29);
  menu->EncounterCountdown = -3;
  Draws({0, 1});
  Travel(10);
  EXPECT_EQ(menu->EncounterCountdown, 16);
  EXPECT_EQ(game->random.ForcedLeft(), 0u);
}

TEST_F(WorldTest, AMoveFreezesTheEncounterCountdown) {
  Enter(9, 3);
  menu->SetAttackers({0, 2, 0, 0});
  menu->Images[13]->Click();
  for (int tick = 0; tick < 10; ++tick) menu->TimerTimer();
  EXPECT_EQ(menu->EncounterCountdown, 3);
  EXPECT_TRUE(Events().empty());
}

TEST_F(WorldTest, ACountdownBelowZeroBringsNoSecondAttack) {
  Enter(10, 1);
  menu->SetAttackers({0, 1, 0, 0});
  menu->TimerTimer();
  EXPECT_TRUE(game->form1->isVisible());
  Events();
  menu->TimerTimer();
  EXPECT_TRUE(Events().empty());
}

TEST_F(WorldTest, CuttingIsOfferedOnlyWithTheAxeAtPlaceOne) {
  Enter(1, 5);
  menu->RefreshMap();
  EXPECT_TRUE(menu->ProfButton->isHidden());
  game->state.OruzhieHint = "Топор дровосека";
  game->state.Place = 2;
  menu->RefreshMap();
  EXPECT_TRUE(menu->ProfButton->isHidden());
}
}  // namespace
