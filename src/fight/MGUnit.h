#pragma once

#include <functional>
#include <optional>

#include "fight/FightState.h"
#include "fight/Resolution.h"
#include "inventory/SlotFigure.h"
#include "shell/Screen.h"
#include "state/GameState.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class ListBox;
class PictureBox;

// The fight screen: the player on the left, the current opponent on the right.
class TForm1 : public Screen {
  Q_OBJECT

 public:
  explicit TForm1(Game& game);

  // Enter "Ход", Esc "Сдаться", 1 … 4 the strikes, Q … R (Й … К) the blocks,
  // G (П) the last move again, F (А) the auto-fight.
  bool FormKeyPress(int code) override;

  FightState Fight;

  // CheckBoxes[1] … [4] strike the head, torso, belly and legs; [5] … [8] block them.
  QCheckBox* CheckBoxes[9] = {};
  QPushButton* MoveButton;
  QPushButton* ChangeButton;
  QPushButton* BackButton;
  QLabel* AttODLabel;
  QLabel* MoveNumberLabel;
  QPushButton* RepeatButton;
  QPushButton* AutoFightButton;
  QLabel* ThresholdLabel;
  // The auto-fight stops when the hit points fall below this share of the maximum (%).
  QSpinBox* ThresholdSpinBox;
  QTimer* AutoFightTimer;
  ListBox* ListBox1;  // the player's strikes, hurricane and poison
  ListBox* ListBox2;  // the opponent's strikes

  // The player's figure ("AttShlemImage" …, "AttAvatarImage").
  SlotFigure AttFigure;
  PictureBox* AttAvatarImage;
  PictureBox* AttSodPoyas1Image;
  PictureBox* AttSodPoyas2Image;
  PictureBox* AttSodPoyas3Image;
  PictureBox* AttSodKarmanImage;
  PictureBox* AttKolchImage;

  // The box's handler, also when the program unticks it.
  void CheckBoxClick(int box);
  void MoveButtonClick();
  void ChangeButtonClick();
  // Surrender.
  void BackButtonClick();

  // The player's last move again: its boxes ticked through their handlers, then
  // "Ход" pressed.
  void RepeatButtonClick();
  // Starts the auto-fight, or stops it.
  void AutoFightButtonClick();
  // One automatic move, as the auto-fight's timer makes it: the last move again,
  // then a stop at the fight's end, a change of opponent, a refused move, or hit
  // points that fell below the threshold.
  void AutoFightStep();
  void StopAutoFight();
  bool AutoFighting() const { return autoFighting_; }
  // A key or click while the auto-fight runs only stops it: true when it ran.
  bool InterruptAutoFight();
  // The hit points below which the auto-fight stops.
  int AutoFightStopHP() const;

  void RefreshFightLabels();
  // Both figures for the current opponent and the player's equipment.
  void LoadFightPictures();
  void RestoreBaseStats();
  // Each untick runs its box's handler, which gives the action points back.
  void UntickAllBoxes();

  // The end of a fight.
  // After a move: draw, loss or defeat. True when it has already switched to
  // the next opponent and stored it.
  bool CheckFightOutcome();
  void Surrender();
  // Pays FightExp out once, at the end of the fight.
  void AwardFightExperience();
  void DropMoney();

  // Potions in the belt, the scroll in the pocket.
  void AttSodPoyas1ImageClick();
  void AttSodPoyas2ImageClick();
  void AttSodPoyas3ImageClick();
  void AttSodKarmanImageClick();
  // Apply the item named by Fight.ItemName.
  void UsePotion();
  void UseScroll();

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;

 private:
  void CreateControls();
  SlotFigure CreateFigure(const QString& side, int left, bool withChainMail);
  void CreateValueLabels(const QString& side, int left);
  void CreateChoiceBoxes();
  void MakeKeyboardPlay();
  void BindMembers();
  void CreateAutoFightControls();
  void RefreshAutoFightControls();
  void RefreshMoveNumber();

  void StrikeBoxClick(int zone, bool ticked);
  void BlockBoxClick(int zone, bool ticked);
  void RefreshODLabel();
  QLabel* Label(const QString& name) const;
  PictureBox* Picture(const QString& name) const;
  bool AnyBoxTicked() const;

  void ConnectItemPictures();
  void UseBeltSlot(PictureBox* picture, const char* slotName);
  void EmptySlot(PictureBox* picture, const char* slotName);
  void EndInDraw();
  void EndInLoss();
  // True when other opponents stand and the next one has been taken on.
  bool DefeatCurrentOpponent();
  void GiveLoot();
  void TakeOnNextOpponent();
  void ShowLevelUp();
  // The bookkeeping every end shares; `counter` is Win, Lose or Noup.
  void FinishFight(int GameState::*counter);

  // The boxes of the last move played, in this fight or an earlier one.
  std::optional<MoveChoices> lastMove_;
  bool autoFighting_ = false;
  QObject* autoFightInterrupt_ = nullptr;
  std::function<void()> interruptAutoFight_;
};
