#include "fight/MGUnit.h"
#include "widgets/ListBox.h"
#include "world/WorldFixture.h"

namespace {

// At place 1 with the woodcutter's axe, a countdown of 20 running.
class CuttingTest : public WorldTest {
 protected:
  void SetUp() override {
    Enter(1, 20);
    game->state.OruzhieHint = "Топор дровосека";
    Draws({0, 0});  // one attacker, an ogre
    menu->RefreshMap();
  }
  // Starts a cutting with raw draws for CutRoll and CutAttackAt.
  void StartCutting(int rollDraw, int attackDraw) {
    Draws({rollDraw, attackDraw});
    menu->ProfButton->click();
  }
  // Ticks until the fight screen opens; the number of ticks taken.
  int TicksToTheAttack() {
    for (int tick = 1; tick <= 400; ++tick) {
      menu->TimerTimer();
      if (game->form1->isVisible()) return tick;
    }
    return -1;
  }
  // What the end of a fight does to the world.
  void EndFight() {
    game->form1->hide();
    menu->show();
    menu->EncounterCountdown = 20;
    Events();
  }
  Lines TicksToTheEnd() {
    while (menu->CutCountdown > 0) menu->TimerTimer();
    return Events();
  }
  // The whole cutting: its attack, the fight's end, the rest with the award's draws.
  Lines CutThrough(std::initializer_list<int> awardDraws) {
    TicksToTheAttack();
    EndFight();
    Draws(awardDraws);
    return TicksToTheEnd();
  }
  void Woodcutter(int lesorub, int level, int pointLev) {
    game->state.Lesorub = lesorub;
    game->state.AttLevel = level;
    game->state.PointLev = pointLev;
  }
  QWidget* WeaponPicture() const { return game->form5->Figure.Slot("Oruzhie"); }
  std::string LastBackpackLine() const {
    const ListBox& backpack = *game->form5->SubjectListBox;
    return backpack.count() ? backpack.Line(backpack.count() - 1) : "";
  }
};

TEST_F(CuttingTest, StartingLocksTheMapAndTheAxe) {
  StartCutting(10, 0);
  EXPECT_EQ(menu->CutRoll, 5);
  EXPECT_EQ(menu->CutCountdown, 300);
  EXPECT_EQ(menu->CutAttackAt, 50);
  EXPECT_EQ(menu->TimeLabel->text().toStdString(), "Рубка ещё: 300 сек.");
  EXPECT_FALSE(menu->TimeLabel->isHidden());
  EXPECT_FALSE(MapEnabled());
  EXPECT_FALSE(Enabled(WeaponPicture()));
  menu->TimerTimer();
  EXPECT_EQ(menu->TimeLabel->text().toStdString(), "Рубка ещё: 299 сек.");
  EXPECT_EQ(menu->EncounterCountdown, 20);
}

TEST_F(CuttingTest, TheAttackComesOnceBetweenFiftyAndTwoHundredFiftySecondsIn) {
  for (const auto& [attackDraw, secondsIn] : {std::pair{200, 50}, std::pair{0, 250}}) {
    StartCutting(10, attackDraw);
    EXPECT_EQ(TicksToTheAttack(), secondsIn);
    EXPECT_EQ(menu->CutCountdown, 300 - secondsIn);
    // The fight holds the cutting.
    for (int tick = 0; tick < 5; ++tick) menu->TimerTimer();
    EXPECT_EQ(menu->CutCountdown, 300 - secondsIn);
    EndFight();
    TicksToTheEnd();
    // No second attack; the countdown runs again from the cutting's last second.
    EXPECT_FALSE(game->form1->isVisible());
    EXPECT_EQ(menu->EncounterCountdown, 19);
  }
}

TEST_F(CuttingTest, LesorubZeroAlwaysFailsAndStillCounts) {
  StartCutting(10, 0);
  EXPECT_EQ(CutThrough({}),
            Lines{R"(message "Off-Line Morrowgate" none "Неудачная попытка рубки.")"});
  EXPECT_EQ(game->state.NumRub, 1);
  EXPECT_EQ(game->state.PointPeace, 0);
  EXPECT_TRUE(MapEnabled());
  EXPECT_TRUE(Enabled(WeaponPicture()));
  EXPECT_TRUE(menu->TimeLabel->isHidden());
}

TEST_F(CuttingTest, LesorubElevenNeverFailsAndEarnsByLevel) {
  Woodcutter(11, 2, 6625);
  StartCutting(0, 0);
  EXPECT_EQ(menu->CutRoll, 6);
  EXPECT_EQ(
      CutThrough({5}),
      (Lines{R"(message "Off-Line Morrowgate" none "Рубка закончена. Получено мирного опыта: 17.")",
             R"(message "Off-Line Morrowgate" none "Срублена 1 шт.")"}));
  EXPECT_EQ(menu->PeaceAward, 17);
  EXPECT_EQ(game->state.PointPeace, 17);
  EXPECT_EQ(LastBackpackLine(), "Поленья (1 штука)");
}

TEST_F(CuttingTest, LesorubHundredAtLevelTwentyThreeCutsFiveLogs) {
  Woodcutter(100, 23, 153897570);
  StartCutting(10, 0);
  EXPECT_EQ(menu->CutRoll, 105);
  const Lines lines = CutThrough({229});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], R"(message "Off-Line Morrowgate" none "Срублено 5 шт.")");
  EXPECT_EQ(menu->PeaceAward, (229 + 247934) / 4);
  EXPECT_EQ(LastBackpackLine(), "Поленья (5 штук)");
}

TEST_F(CuttingTest, ALevelUpDuringTheAwardClearsTheCountAfterItWasCounted) {
  Woodcutter(41, 1, 2500);
  game->state.NumRub = 3;
  game->state.Point = 2500;  // enough for level 2; the level-1 award is 0
  StartCutting(0, 0);
  EXPECT_EQ(
      CutThrough({}),
      (Lines{
          R"(message "Off-Line Morrowgate" none "Рубка закончена. Получено мирного опыта: 0.")",
          R"(message "Off-Line Morrowgate" none "Получен левел. Вы можете увеличить свои статы в инвентаре.")",
          R"(message "Off-Line Morrowgate" none "Срублено 2 шт.")"}));
  EXPECT_EQ(game->state.AttLevel, 2);
  EXPECT_EQ(game->state.NumRub, 0);
  EXPECT_EQ(LastBackpackLine(), "Поленья (2 штуки)");
}

TEST_F(CuttingTest, FiveCuttingsPerLevelUpToLevelSix) {
  game->state.NumRub = 5;
  game->state.AttLevel = 6;
  menu->ProfButton->click();
  EXPECT_EQ(Events(), Lines{R"(message "Off-Line Morrowgate" none "Всё срублено.")"});
  EXPECT_EQ(menu->CutCountdown, 0);
  game->state.AttLevel = 7;
  StartCutting(0, 0);
  EXPECT_EQ(menu->CutCountdown, 300);
}

TEST_F(CuttingTest, ACuttingStartedInTheLastSecondBeforeAnAttackMeetsThatAttackOnly) {
  menu->EncounterCountdown = 1;
  StartCutting(0, 0);
  EXPECT_EQ(TicksToTheAttack(), 1);
  EXPECT_EQ(menu->CutCountdown, 300);
  EndFight();
  TicksToTheEnd();
  EXPECT_FALSE(game->form1->isVisible());
  EXPECT_EQ(game->state.NumRub, 1);
}

TEST_F(CuttingTest, TheBattleScrollDuringACuttingBringsAnAttackAndTheCuttingGoesOn) {
  StartCutting(0, 0);
  for (int tick = 0; tick < 10; ++tick) menu->TimerTimer();
  menu->EncounterCountdown = 1;  // what the scroll does
  EXPECT_EQ(TicksToTheAttack(), 1);
  EndFight();
  TicksToTheEnd();
  EXPECT_EQ(game->state.NumRub, 1);
  EXPECT_TRUE(MapEnabled());
}

}  // namespace
