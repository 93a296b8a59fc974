#pragma once

#include <array>

#include "shell/Screen.h"
#include "world/Encounters.h"
#include "world/WoodCutting.h"
#include "world/WorldMap.h"

class QCheckBox;
class PictureBox;
class QLabel;
class QPushButton;
class QTimer;

// The menu and world map. Holds the world's running state.
class TForm3 : public Screen {
  Q_OBJECT

 public:
  explicit TForm3(Game& game);

  bool FormKeyPress(int code) override;

  // The one-second world clock.
  void TimerTimer();
  void SetClockRunning(bool running);
  // Redraws the map for GameState.Place and prepares the place.
  void RefreshMap();

  // World members, not saved.
  int MoveTarget = 0;
  int MoveCountdown = 0;
  int CutCountdown = 0;
  int CutRoll = 0;
  int CutAttackAt = 0;
  int PeaceAward = 0;
  int EncounterCountdown = 0;
  int AttackerCount = 0;
  int AttackerKinds[4] = {0, 0, 0, 0};  // [1] … [3]; 0 = none
  int DayTime = 0;

  // Image1 … Image20 at [1] … [20].
  std::array<PictureBox*, kPlaceCount + 1> Images{};
  QLabel* TimeLabel;
  QPushButton* PersButton;
  QPushButton* StockButton;
  QPushButton* ShopButton;
  QPushButton* ProfButton;
  QPushButton* SaveButton;
  QCheckBox* SoundCheckBox;
  QTimer* Timer;

  void PersButtonClick();
  void StockButtonClick();
  void ShopButtonClick();
  void SaveButtonClick();
  void SoundCheckBoxClick();
  // "Рубка": starts a wood cutting.
  void ProfButtonClick();
  AttackerSlots Attackers() const { return std::to_array(AttackerKinds); }
  void SetAttackers(const AttackerSlots& kinds);

  // A click on place N asks to move there.
  void ImageClick(int place);

 protected:
  void FormClose(QCloseEvent* event) override;
  // The arrows move the focus over the map.
  bool FormKeyDown(const QKeyEvent& event) override;

 private:
  void BindMembers();
  void MakeMap();
  void MakeKeyboardPlay();
  // The one place of the map the Tab order stops at.
  void SetMapStop(int place);
  void PlayShopGreeting();
  // Esc or the close box: the game ends, after the exit confirmation when it has
  // changed since the last save or load.
  void QuitAsked();

  void StartMove();
  void MoveStep();
  void Arrive();
  void SetMapEnabled(bool enabled);
  void ShowPlace(int place, const char* picture, const char* hint);
  void PrepareTown();
  void PrepareWilds();
  void OfferWoodCutting();
  void SetInventoryTrade(bool inTown);

  // The wood-cutting step of the world clock.
  void WoodCuttingStep();
  void FinishCutting();
  void SetCuttingLocks(bool locked);
  void AwardCutting(const CutOutcome& outcome);
  void EncounterStep();
  void Attack();
  void AnnounceAttack();
};

// The part of the day for an hour: 1 morning, 3 day, 2 evening, 0 night.
int DayTimeOfHour(int hour);
