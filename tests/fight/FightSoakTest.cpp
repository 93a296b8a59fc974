#include <QCheckBox>
#include <QPushButton>
#include <random>

#include "fight/FightFixture.h"
#include "widgets/PictureBox.h"

namespace {

const char* const kPotionNames[] = {"Зелье просветления",    "Зелье яда",      "Зелье силы",
                                    "Зелье ловкости",        "Зелье удачи",    "Зелье ХП",
                                    "Зелье загрубелой кожи", "Зелье колкости", "Зелье панциря",
                                    "Зелье подвижности",     "Пустой слот"};
const char* const kScrollNames[] = {
    "Свиток силы",           "Свиток ХП",        "Свиток каменной кожи",
    "Свиток ярости",         "Свиток проклятия", "Свиток величия",
    "Свиток женской злости", "Свиток урагана",   "Пустой слот"};

constexpr int kFights = 2000;
// A fight that drags on this long is given up.
constexpr int kMoveLimit = 300;

// A player who ticks boxes, drinks, reads and switches at random.
class FightSoak : public FightFixture {
 protected:
  int Roll(int n) { return static_cast<int>(chooser() % static_cast<unsigned>(n)); }

  // A character anywhere between a new one and a seasoned fighter.
  void RandomCharacter() {
    GameState& s = game->state;
    s.AttLevel = 1 + Roll(25);
    for (int GameState::*stat :
         {&GameState::AttPower, &GameState::AttDexterity, &GameState::AttGoodLuck,
          &GameState::AttKick, &GameState::AttKB, &GameState::AttUlov, &GameState::AttToch,
          &GameState::AttSokr, &GameState::AttStoi}) {
      s.*stat = 1 + Roll(Roll(2) == 0 ? 60 : 2000);
    }
    s.AttOD = 100 + Roll(3) * 25;
    s.AttHP = 50 + Roll(6000);
    s.MoveAttHP = s.AttHP;
    s.ShitTrue = Roll(2);
    for (const char* slot : {"SodPoyas1", "SodPoyas2", "SodPoyas3"}) {
      s.*FindEquipSlot(slot)->hint = kPotionNames[Roll(std::size(kPotionNames))];
    }
    s.SodKarmanHint = kScrollNames[Roll(std::size(kScrollNames))];
  }

  void RandomAttackers(int kind) {
    int* kinds = game->form3->AttackerKinds;
    kinds[1] = kind;
    kinds[2] = Roll(3) == 0 ? 1 + Roll(22) : 0;
    kinds[3] = kinds[2] != 0 && Roll(2) == 0 ? 1 + Roll(22) : 0;
  }

  // One action of the player; false once the fight screen has gone.
  void Act(int move) {
    TForm1& screen = Screen();
    const int choice = Roll(40);
    if (choice == 0 || move >= kMoveLimit) {
      screen.BackButton->click();
    } else if (choice <= 4) {
      PictureBox* items[] = {screen.AttSodPoyas1Image, screen.AttSodPoyas2Image,
                             screen.AttSodPoyas3Image, screen.AttSodKarmanImage};
      items[Roll(4)]->Click();
    } else if (choice == 5 && !screen.ChangeButton->isHidden() &&
               screen.ChangeButton->isEnabled()) {
      screen.ChangeButton->click();
    } else {
      for (int box = 1; box <= 8; ++box) {
        if (screen.CheckBoxes[box]->isEnabled() && Roll(3) == 0) screen.CheckBoxes[box]->click();
      }
      screen.MoveButton->click();
      screen.UntickAllBoxes();  // after a refusal
    }
  }

  std::mt19937 chooser{20261208};
};

int Fights(const GameState& state) { return state.Win + state.Lose + state.Noup; }

}  // namespace

TEST_F(FightSoak, ThousandsOfRandomFightsEndCleanly) {
  Start(99);
  game->form4->hide();
  int wins = 0;
  for (int fight = 0; fight < kFights; ++fight) {
    RandomCharacter();
    RandomAttackers(fight % 22 + 1);
    before = game->state;
    game->form1->show();
    int move = 0;
    while (!game->form1->isHidden()) Act(move++);
    Events();
    SCOPED_TRACE("fight " + std::to_string(fight));
    ExpectRestored();
    ASSERT_EQ(Fights(game->state), Fights(before) + 1);
    if (game->state.Win > before.Win) ++wins;
    if (HasFailure()) break;
  }
  // The random characters win some and lose some.
  EXPECT_GT(wins, kFights / 20);
  EXPECT_LT(wins, kFights - kFights / 20);
}
