// The end of a fight: draw, loss, defeat of the current opponent, surrender; the
// experience, the loot and the way back to the map.

#include <QPushButton>
#include <string>

#include "core/Translate.h"
#include "fight/Experience.h"
#include "fight/FightOutcome.h"
#include "fight/Loot.h"
#include "fight/MGUnit.h"
#include "shell/Game.h"
#include "state/Levels.h"
#include "widgets/ListBox.h"
#include "world/StartUnit.h"

namespace {

std::string ExperienceLine(const char* outcome, int fightExp) {
  return mg::Fill(mg::translate("Fight", "Бой закончен. %1 Получено боевого опыта: %2."),
                  {mg::translate("Fight", outcome), std::to_string(fightExp)});
}

// A new attack comes 15 to 29 seconds after a fight.
constexpr int kCountdownSpread = 15;
constexpr int kCountdownMinimum = 15;
// A loss after a defeat pays a fifth of the collected experience.
constexpr int kLossShare = 5;

}  // namespace

bool TForm1::CheckFightOutcome() {
  const GameState& state = game_.state;
  const OpponentRecord& opponent = Fight.CurrentOpponent;
  if (state.MoveAttHP < 1 && opponent.CurHP < 1) EndInDraw();
  if (state.MoveAttHP < 1 && opponent.CurHP > 0 && Fight.FightOver == 0) EndInLoss();
  if (opponent.CurHP < 1 && state.MoveAttHP > 0 && Fight.FightOver == 0) {
    return DefeatCurrentOpponent();
  }
  return false;
}

void TForm1::EndInDraw() {
  AddOpponentExperience(game_.state, Fight, true, game_.random);
  if (OtherOpponentsAlive(Fight, game_.form3->AttackerKinds)) {
    // The others fight on, so the move is lost.
    Fight.CurrentOpponent.CurHP = 1;
    Fight.AnyDefeated = 1;
    return;
  }
  AwardFightExperience();
  game_.Inform(ExperienceLine(QT_TRANSLATE_NOOP("Fight", "Ничья."), game_.state.FightExp));
  ShowLevelUp();
  FinishFight(&GameState::Noup);
  Fight.FightOver = 1;
}

void TForm1::EndInLoss() {
  GameState& state = game_.state;
  game_.sound.Play("sound\\Смерть.wav");
  if (Fight.AnyDefeated == 1) {
    state.FightExp /= kLossShare;
    AwardFightExperience();
  } else {
    state.FightExp = 0;
  }
  game_.Inform(ExperienceLine(QT_TRANSLATE_NOOP("Fight", "Вы проиграли."), state.FightExp));
  FinishFight(&GameState::Lose);
  Fight.FightOver = 1;
}

bool TForm1::DefeatCurrentOpponent() {
  GameState& state = game_.state;
  const int kind = state.OpponentKind;
  DrawDefeat(state, Fight, game_.random);
  game_.sound.Play(kind == kMasterKind ? "sound\\Смерть Мастера.wav" : "sound\\Смерть.wav");
  game_.Inform(mg::translate("Fight", RosterRow(kind).defeatMessage));
  const bool othersAlive = OtherOpponentsAlive(Fight, game_.form3->AttackerKinds);
  if (!othersAlive) {
    AwardFightExperience();
    game_.Inform(ExperienceLine(QT_TRANSLATE_NOOP("Fight", "Вы победили."), state.FightExp));
    ShowLevelUp();
  }
  GiveLoot();
  Fight.AnyDefeated = 1;
  if (othersAlive) {
    TakeOnNextOpponent();
    return true;
  }
  FinishFight(&GameState::Win);
  return false;
}

void TForm1::TakeOnNextOpponent() {
  ListBox1->clear();
  ListBox2->clear();
  Fight.OpponentSlots[Fight.CurrentIndex].CurHP = Fight.CurrentOpponent.CurHP;
  ChangeButtonClick();
  StoreCurrentOpponent(Fight);
}

void TForm1::GiveLoot() {
  if (!LootGroupWins(Fight)) {
    DropMoney();
    return;
  }
  const auto items = LootGroupItems(Fight.LootGroup);
  int choice = 1;
  if (LootGroupDrawsChoice(Fight.LootGroup)) {
    Fight.LootChoice = game_.random.RandomInt(static_cast<int>(items.size())) + 1;
    choice = Fight.LootChoice;
  }
  const std::string item = items[choice - 1];
  game_.backpack.Append(item);
  game_.Inform(FoundItemMessage(item));
}

void TForm1::DropMoney() {
  if (!MoneyDropped(Fight)) return;
  Fight.MoneyFound = DrawMoneyFound(game_.state.OpponentKind, game_.random);
  game_.state.Money += static_cast<float>(Fight.MoneyFound);
  game_.Inform(FoundMoneyMessage(Fight.MoneyFound));
}

void TForm1::AwardFightExperience() {
  ::AwardFightExperience(game_.state, Fight, game_.form3->AttackerKinds);
}

void TForm1::ShowLevelUp() {
  if (Fight.LevelUpFlag == 1) game_.Inform(mg::translate("Levels", kLevelUpMessage));
}

void TForm1::Surrender() {
  game_.sound.Play("sound\\Смерть.wav");
  game_.Inform(ExperienceLine(QT_TRANSLATE_NOOP("Fight", "Вы сдались."), 0));
  UntickAllBoxes();
  FinishFight(&GameState::Lose);
}

void TForm1::FinishFight(int GameState::*counter) {
  StopAutoFight();
  GameState& state = game_.state;
  state.MoveAttHP = state.AttHP;
  state.FightExp = 0;
  ++(state.*counter);
  RestoreBaseStats();
  TForm3& map = *game_.form3;
  map.EncounterCountdown = game_.random.RandomInt(kCountdownSpread) + kCountdownMinimum;
  map.RefreshMap();
  ListBox1->clear();
  ListBox2->clear();
  ChangeButton->hide();
  hide();
  map.show();
}
