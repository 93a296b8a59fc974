#include "character/PersUnit.h"

#include <QPushButton>

#include "shell/Game.h"

TForm7::TForm7(Game& game) : Screen(game, "TForm7", 451, 481) {
  BackButton = MakeButton("BackButton", "Вернуться", "Вернуться в меню", QRect(363, 10, 80, 30));
  SetCancelButton(BackButton);
  connect(BackButton, &QPushButton::clicked, this, &TForm7::BackButtonClick);
}

void TForm7::TimerTimer() {}

void TForm7::FormShow() { game_.sound.Play("sound\\ПИ вход.wav"); }

void TForm7::BackButtonClick() {
  LeaveToMenu([this] { PlayLeave(); });
}

void TForm7::PlayLeave() { game_.sound.Play("sound\\ПИ выход.wav"); }

void TForm7::FormClose(QCloseEvent* event) {
  ConfirmCloseToMenu(event, [this] { PlayLeave(); });
}
