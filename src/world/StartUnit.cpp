#include "world/StartUnit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "character/PersUnit.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/Game.h"
#include "shell/SaveGame.h"
#include "shop/BuyUnit.h"
#include "widgets/PictureBox.h"

namespace {
// The map's frame on the menu: rows of five from the bottom up.
constexpr int kMapLeft = 16;
constexpr int kMapTop = 40;
constexpr int kMapRows = 4;
constexpr int kPictureSize = 100;
constexpr int kPictureStep = 101;

constexpr const char* kWoodcuttersAxe = "Топор дровосека";
constexpr const char* kBattleScroll = "Свиток боя";
constexpr const char* kSignal = "sound\\Сигнал.wav";
}  // namespace

int DayTimeOfHour(int hour) {
  if (hour >= 6 && hour <= 11) return 1;
  if (hour >= 12 && hour <= 17) return 3;
  if (hour >= 18 && hour <= 23) return 2;
  return 0;
}

TForm3::TForm3(Game& game) : Screen(game, "TForm3", 680, 470) {
  MakeMap();
  TimeLabel = MakeLabel("TimeLabel", "", 16, 12);
  TimeLabel->setGeometry(16, 12, 505, 20);
  TimeLabel->setAlignment(Qt::AlignCenter);
  TimeLabel->hide();

  const int left = 548;
  PersButton =
      MakeButton("PersButton", tr("Персонаж"), tr("Ваш персонаж"), QRect(left, 40, 116, 32));
  StockButton = MakeButton("StockButton", tr("Инвентарь"), tr("Посмотреть инвентарь"),
                           QRect(left, 80, 116, 32));
  ShopButton =
      MakeButton("ShopButton", tr("Магазин"), tr("Пойти в магазин"), QRect(left, 120, 116, 32));
  ProfButton = MakeButton("ProfButton", tr("Рубка"), tr("Рубить лес"), QRect(left, 160, 116, 32));
  ProfButton->hide();
  SaveButton =
      MakeButton("SaveButton", tr("Сохранить"), tr("Сохранить игру"), QRect(left, 372, 116, 32));
  SoundCheckBox = MakeCheckBox("SoundCheckBox", tr("Звук"), QRect(left, 414, 116, 24));
  SoundCheckBox->setChecked(true);

  OnInput(PersButton, &QPushButton::clicked, &TForm3::PersButtonClick);
  OnInput(StockButton, &QPushButton::clicked, &TForm3::StockButtonClick);
  OnInput(ShopButton, &QPushButton::clicked, &TForm3::ShopButtonClick);
  OnInput(ProfButton, &QPushButton::clicked, &TForm3::ProfButtonClick);
  OnInput(SaveButton, &QPushButton::clicked, &TForm3::SaveButtonClick);
  OnInput(SoundCheckBox, &QCheckBox::toggled, &TForm3::SoundCheckBoxClick);

  // The part of the day is read once, at start-up.
  DayTime = DayTimeOfHour(game.StartHour());

  Timer = new QTimer(this);
  Timer->setObjectName("Timer");
  Timer->setInterval(1000);
  connect(Timer, &QTimer::timeout, this, game_.input.Timed("tick", [this] { TimerTimer(); }));
  Timer->start();

  BindMembers();
  MakeKeyboardPlay();
}

void TForm3::MakeMap() {
  for (int place = 1; place <= kPlaceCount; ++place) {
    const MapCell cell = CellOf(place);
    const QRect frame(kMapLeft + cell.column * kPictureStep,
                      kMapTop + (kMapRows - 1 - cell.row) * kPictureStep, kPictureSize,
                      kPictureSize);
    Images[place] = MakePicture(QString("Image%1").arg(place), frame);
    Images[place]->SetAccessibleLabel(QString::fromStdString(PlaceTitle(place)));
    OnInput(Images[place], &PictureBox::clicked, [this, place] { ImageClick(place); });
  }
}

// The map is one stop of the Tab order, at the place last focused; the arrows move
// over the grid from there.
void TForm3::MakeKeyboardPlay() {
  SetMapStop(kTown);
  SetTabOrder(
      std::vector<QWidget*>(Images.begin() + 1, Images.end()),
      {"PersButton", "StockButton", "ShopButton", "ProfButton", "SaveButton", "SoundCheckBox"});
}

void TForm3::SetMapStop(int place) {
  for (int other = 1; other <= kPlaceCount; ++other) Images[other]->SetFocusable(other == place);
}

bool TForm3::FormKeyDown(const QKeyEvent& event) {
  int column = 0;
  int row = 0;
  switch (event.key()) {
    case Qt::Key_Left:
      column = -1;
      break;
    case Qt::Key_Right:
      column = 1;
      break;
    case Qt::Key_Up:
      row = 1;
      break;
    case Qt::Key_Down:
      row = -1;
      break;
    default:
      return false;
  }
  const auto focused = std::find(Images.begin() + 1, Images.end(), focusWidget());
  if (focused == Images.end()) return false;
  const MapCell cell = CellOf(static_cast<int>(focused - Images.begin()));
  // At the edge of the map the focus stays.
  const int target = PlaceAt({cell.column + column, cell.row + row});
  if (target == 0) return true;
  SetMapStop(target);
  Images[target]->setFocus(Qt::OtherFocusReason);
  return true;
}

void TForm3::BindMembers() {
  Bindings& b = game_.bindings;
  b.Bind("TForm3.MoveTarget", MoveTarget);
  b.Bind("TForm3.MoveCountdown", MoveCountdown);
  b.Bind("TForm3.CutCountdown", CutCountdown);
  b.Bind("TForm3.CutRoll", CutRoll);
  b.Bind("TForm3.CutAttackAt", CutAttackAt);
  b.Bind("TForm3.PeaceAward", PeaceAward);
  b.Bind("TForm3.EncounterCountdown", EncounterCountdown);
  b.Bind("TForm3.AttackerCount", AttackerCount);
  for (int i = 1; i <= 3; ++i)
    b.Bind("TForm3.AttackerKinds[" + std::to_string(i) + "]", AttackerKinds[i]);
  b.Bind("TForm3.DayTime", DayTime);
}

bool TForm3::FormKeyPress(int code) {
  if (code != 27) return Screen::FormKeyPress(code);
  QuitAsked();
  return true;
}

void TForm3::FormClose(QCloseEvent* event) {
  event->ignore();
  QuitAsked();
}

void TForm3::QuitAsked() {
  // Nothing is saved on the way out: what a save would keep is asked about first.
  if (game_.ChangedSinceSave() && !game_.dialogs.ConfirmExit()) return;
  game_.Quit();
}

void TForm3::SetClockRunning(bool running) {
  if (running) {
    Timer->start();
  } else {
    Timer->stop();
  }
}

void TForm3::ImageClick(int place) {
  if (!AreNeighbours(game_.state.Place, place)) {
    game_.Refuse(tr("Так нельзя"), tr("Слишком далеко."));
    return;
  }
  StartMove();
  MoveTarget = place;
}

void TForm3::StartMove() {
  SetMapEnabled(false);
  MoveCountdown = MoveTime(game_.state.Strannik);
  TimeLabel->setText(QString::fromStdString(MoveTimeText(MoveCountdown)));
  TimeLabel->show();
}

void TForm3::SetMapEnabled(bool enabled) {
  for (int place = 1; place <= kPlaceCount; ++place) Images[place]->setEnabled(enabled);
}

void TForm3::TimerTimer() {
  // A running move takes the whole tick: cutting and the encounter stand still.
  if (MoveCountdown > 0) {
    MoveStep();
    return;
  }
  WoodCuttingStep();
  EncounterStep();
}

void TForm3::MoveStep() {
  --MoveCountdown;
  TimeLabel->setText(QString::fromStdString(MoveTimeText(MoveCountdown)));
  if (MoveCountdown == 0) Arrive();
}

void TForm3::Arrive() {
  TimeLabel->hide();
  game_.state.Place = MoveTarget;
  RefreshMap();
  SetMapEnabled(true);
  // The shop could be entered while leaving the town; the new place has none.
  if (game_.form2->isVisible()) {
    game_.form2->hide();
    show();
  }
}

void TForm3::RefreshMap() {
  // The Tab order comes to the map where the player stands.
  SetMapStop(game_.state.Place);
  SetAttackers({});
  ProfButton->hide();
  if (game_.state.Place == kTown) {
    PrepareTown();
  } else {
    PrepareWilds();
  }
  for (int place = 1; place <= kPlaceCount; ++place) {
    if (place == kTown) continue;
    if (place != game_.state.Place) {
      ShowPlace(place, PlacePicture(place).c_str(), kMoveHint);
      continue;
    }
    ShowPlace(place, kHerePicture, kHereHint);
    if (place == kForest && game_.state.OruzhieHint == kWoodcuttersAxe) OfferWoodCutting();
    SetAttackers(DrawAttackerKinds(place, game_.state.AttLevel, AttackerCount, game_.random));
  }
}

void TForm3::SetAttackers(const AttackerSlots& kinds) {
  std::copy(kinds.begin(), kinds.end(), AttackerKinds);
}

void TForm3::ShowPlace(int place, const char* picture, const char* hint) {
  Images[place]->Load(picture);
  Images[place]->setToolTip(QString::fromStdString(mg::translate("Map", hint)));
}

void TForm3::PrepareTown() {
  ShowPlace(kTown, kHerePicture, kHereHint);
  ShopButton->setEnabled(true);
  SetInventoryTrade(true);
  EncounterCountdown = 0;
}

void TForm3::PrepareWilds() {
  ShowPlace(kTown, PlacePicture(kTown).c_str(), kMoveHint);
  ShopButton->setEnabled(false);
  SetInventoryTrade(false);
  AttackerCount = DrawAttackerCount(game_.random);
  // A countdown still running goes on; only a finished one is drawn anew.
  if (EncounterCountdown < 1) EncounterCountdown = game_.random.RandomInt(15) + 15;
}

void TForm3::OfferWoodCutting() {
  ProfButton->setText(tr("Рубка"));
  ProfButton->setToolTip(tr("Рубить лес"));
  ProfButton->show();
}

void TForm3::SetInventoryTrade(bool inTown) {
  TForm5& inventory = *game_.form5;
  // The battle scroll is of no use where no monster comes; selling is for the town.
  if (inventory.SelectedItem == kBattleScroll) inventory.DressButton->setEnabled(!inTown);
  inventory.SellButton->setEnabled(inTown);
}

void TForm3::EncounterStep() {
  // A cutting holds the countdown except at the moment its attack is due.
  if (CutCountdown != 0 && CutCountdown != CutAttackAt) return;
  --EncounterCountdown;
  if (EncounterCountdown == 0) Attack();
}

void TForm3::Attack() {
  // Nobody to fight: the first attacker is always set for a real attack.
  if (AttackerKinds[1] == 0) return;
  AnnounceAttack();
  for (Screen* screen : {static_cast<Screen*>(game_.form2), static_cast<Screen*>(this),
                         static_cast<Screen*>(game_.form5), static_cast<Screen*>(game_.form7)}) {
    if (screen->isVisible()) screen->hide();
  }
  game_.form1->show();
}

void TForm3::AnnounceAttack() {
  // Each slot sounds the signal; the message boxes wait for the player, so the
  // later signals follow their closing.
  for (int slot = 1; slot <= 3; ++slot) {
    game_.sound.Play(kSignal);
    const std::string message = AttackMessageAt(slot, Attackers());
    if (!message.empty()) game_.Inform(message);
  }
}

void TForm3::PersButtonClick() {
  hide();
  game_.form7->show();
}

void TForm3::StockButtonClick() {
  hide();
  game_.form5->show();
}

void TForm3::ShopButtonClick() {
  hide();
  PlayShopGreeting();
  game_.form2->show();
}

void TForm3::PlayShopGreeting() {
  if (!game_.sound.On()) return;
  int g = game_.random.RandomInt(3);
  if (g == 0 && DayTime >= 1 && DayTime <= 3) {
    static const char* const kByDayTime[] = {"", "sound\\Доброе утро.wav",
                                             "sound\\Добрый вечер.wav", "sound\\Добрый день.wav"};
    game_.sound.Play(kByDayTime[DayTime]);
    return;
  }
  if (g == 0) g = game_.random.RandomInt(3) + 1;  // no greeting by the part of the day at night
  static const char* const kGreetings[] = {"", "sound\\Привет.wav", "sound\\Приветствую.wav",
                                           "sound\\Рад видеть.wav"};
  game_.sound.Play(kGreetings[g]);
}

void TForm3::SaveButtonClick() { SaveGame(game_); }

void TForm3::SoundCheckBoxClick() { game_.state.Sound = SoundCheckBox->isChecked() ? 1 : 0; }
