#include "world/StartUnit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "character/PersUnit.h"
#include "inventory/StockUnit.h"
#include "shell/Game.h"
#include "shop/BuyUnit.h"

int DayTimeOfHour(int hour) {
  if (hour >= 6 && hour <= 11) return 1;
  if (hour >= 12 && hour <= 17) return 3;
  if (hour >= 18 && hour <= 23) return 2;
  return 0;
}

TForm3::TForm3(Game& game) : Screen(game, "TForm3", 680, 470) {
  TimeLabel = MakeLabel("TimeLabel", "", 16, 12);
  TimeLabel->setGeometry(16, 12, 505, 20);
  TimeLabel->setAlignment(Qt::AlignCenter);
  TimeLabel->hide();

  const int left = 548;
  PersButton = MakeButton("PersButton", "Персонаж", "Ваш персонаж", QRect(left, 40, 116, 32));
  StockButton =
      MakeButton("StockButton", "Инвентарь", "Посмотреть инвентарь", QRect(left, 80, 116, 32));
  ShopButton = MakeButton("ShopButton", "Магазин", "Пойти в магазин", QRect(left, 120, 116, 32));
  ProfButton = MakeButton("ProfButton", "Рубка", "Рубить лес", QRect(left, 160, 116, 32));
  ProfButton->hide();
  SaveButton = MakeButton("SaveButton", "Сохранить", "Сохранить игру", QRect(left, 372, 116, 32));
  SoundCheckBox = MakeCheckBox("SoundCheckBox", "Звук", QRect(left, 414, 116, 24));
  SoundCheckBox->setChecked(true);

  connect(PersButton, &QPushButton::clicked, this, &TForm3::PersButtonClick);
  connect(StockButton, &QPushButton::clicked, this, &TForm3::StockButtonClick);
  connect(ShopButton, &QPushButton::clicked, this, &TForm3::ShopButtonClick);
  connect(SaveButton, &QPushButton::clicked, this, &TForm3::SaveButtonClick);
  connect(SoundCheckBox, &QCheckBox::toggled, this, &TForm3::SoundCheckBoxClick);

  // The part of the day is read once, at start-up.
  DayTime = DayTimeOfHour(game.StartHour());

  Timer = new QTimer(this);
  Timer->setObjectName("Timer");
  Timer->setInterval(1000);
  connect(Timer, &QTimer::timeout, this, &TForm3::TimerTimer);
  Timer->start();

  BindMembers();
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
  if (code != 27) return false;
  game_.Quit();
  return true;
}

void TForm3::FormClose(QCloseEvent* event) {
  // Closing the menu ends the program at once, without a question.
  event->ignore();
  game_.Quit();
}

void TForm3::SetClockRunning(bool running) {
  if (running) {
    Timer->start();
  } else {
    Timer->stop();
  }
}

void TForm3::TimerTimer() {}

void TForm3::RefreshMap() {}

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

void TForm3::SaveButtonClick() {}

void TForm3::SoundCheckBoxClick() { game_.state.Sound = SoundCheckBox->isChecked() ? 1 : 0; }
