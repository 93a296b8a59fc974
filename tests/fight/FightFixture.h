#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "fight/MGUnit.h"
#include "shell/NickUnit.h"
#include "support/TestGame.h"
#include "world/StartUnit.h"

using Lines = std::vector<std::string>;

// A game at the start of a fight: the menu stood in for the login, the attackers
// set and the fight screen shown.
class FightFixture : public TestGame {
 protected:
  void Begin(std::initializer_list<int> kinds, int level = 1) {
    Start();
    Attack(kinds, level);
  }
  // The attack on a started game.
  void Attack(std::initializer_list<int> kinds, int level = 1) {
    game->state.AttLevel = level;
    game->state.Place = 4;  // out of the town, where fights happen
    int index = 1;
    for (int kind : kinds) game->form3->AttackerKinds[index++] = kind;
    game->form4->hide();
    game->form1->show();
    before = game->state;
    Events();
  }

  TForm1& Screen() { return *game->form1; }
  FightState& Fight() { return game->form1->Fight; }
  GameState& State() { return game->state; }

  // The end of a move that left these hit points. True when it switched to the
  // next opponent.
  bool EndMove(int playerHP, int opponentHP) {
    State().MoveAttHP = playerHP;
    Fight().CurrentOpponent.CurHP = opponentHP;
    Fight().FightOver = 0;
    const bool switched = Screen().CheckFightOutcome();
    if (!switched) StoreCurrentOpponent(Fight());
    return switched;
  }

  // Forces a defeat's draws: the seven rolls (1..100), the gem group (1..5) and
  // the experience draw.
  void DefeatDraws(std::array<int, 7> rolls, int gem, int experience) {
    for (int roll : rolls) game->random.Force(roll - 1);
    game->random.Force(gem - 1);
    game->random.Force(experience);
  }
  // Rolls that win nothing and find no money.
  static constexpr std::array<int, 7> kNoLoot = {1, 1, 1, 1, 1, 1, 1};

  std::string Info(const std::string& text) const {
    return "message \"" + game->Title() + "\" none \"" + text + "\"";
  }

  // The ten values a fight may boost, and the hit points, are as before it.
  void ExpectRestored() const {
    const GameState& now = game->state;
    for (const auto& member : kBaseStatMembers) {
      EXPECT_EQ(now.*member.current, before.*member.current) << member.name;
    }
    EXPECT_EQ(now.MoveAttHP, now.AttHP);
    EXPECT_EQ(now.FightExp, 0);
    EXPECT_TRUE(game->form1->isHidden());
    EXPECT_FALSE(game->form3->isHidden());
  }

  GameState before;
};
