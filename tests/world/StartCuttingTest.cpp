#include "fight/MGUnit.h"
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
  void TicksToTheEnd() {
    while (menu->CutCountdown > 0) menu->TimerTimer();
  }
};

TEST_F(CuttingTest, TheFightHoldsTheCutting) {
  StartCutting(10, 200);
  EXPECT_EQ(TicksToTheAttack(), 50);
  for (int tick = 0; tick < 5; ++tick) menu->TimerTimer();
  EXPECT_EQ(menu->CutCountdown, 250);
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
