// Wood cutting on the menu screen: the "Рубка" button and the cutting's step of
// the world clock.

#include <QLabel>

#include "core/Translate.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/Game.h"
#include "state/Levels.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

void TForm3::ProfButtonClick() {
  if (CuttingLimitReached(game_.state.NumRub, game_.state.AttLevel)) {
    game_.Inform(mg::translate("Wood", "Всё срублено."));
    return;
  }
  CutRoll = DrawCutRoll(game_.state.Lesorub, game_.random);
  CutCountdown = kCutDuration;
  CutAttackAt = DrawCutAttackAt(game_.random);
  TimeLabel->setText(QString::fromStdString(CutTimeText(CutCountdown)));
  TimeLabel->show();
  SetCuttingLocks(true);
}

// While cutting the player can neither travel nor take the axe off.
void TForm3::SetCuttingLocks(bool locked) {
  SetMapEnabled(!locked);
  game_.form5->Figure.Slot("Oruzhie")->setEnabled(!locked);
}

void TForm3::WoodCuttingStep() {
  // An attack due in this very second (a cutting started just before it, or the
  // battle scroll) is the cutting's attack; otherwise neither clock would move.
  if (CutCountdown > 0 && EncounterCountdown == 1) CutAttackAt = CutCountdown;
  // During the attack's fight the cutting waits.
  if (EncounterCountdown < 2 || CutCountdown <= 0) return;
  --CutCountdown;
  TimeLabel->setText(QString::fromStdString(CutTimeText(CutCountdown)));
  if (CutCountdown == 0) FinishCutting();
  if (CutCountdown == CutAttackAt) EncounterCountdown = 1;
}

void TForm3::FinishCutting() {
  TimeLabel->hide();
  ++game_.state.NumRub;
  SetCuttingLocks(false);
  const CutOutcome& outcome = CutOutcomeOf(CutRoll);
  if (CutFailed(outcome)) {
    game_.Inform(mg::translate("Wood", outcome.message));
    return;
  }
  AwardCutting(outcome);
}

void TForm3::AwardCutting(const CutOutcome& outcome) {
  PeaceAward = DrawPeaceAward(game_.state.AttLevel, game_.random);
  game_.Inform(PeaceAwardText(PeaceAward));
  if (AwardPeaceExperience(game_.state, PeaceAward, game_.form1->Fight.LevelUpFlag)) {
    game_.Inform(mg::translate("Levels", kLevelUpMessage));
  }
  game_.Inform(mg::translate("Wood", outcome.message));
  game_.backpack.Append(outcome.logs);
}
