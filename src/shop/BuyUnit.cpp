#include "shop/BuyUnit.h"

#include <QPushButton>

#include "shell/Game.h"

TForm2::TForm2(Game& game) : Screen(game, "TForm2", 563, 324) {
  BackButton = MakeButton("BackButton", "Вернуться", "Вернуться в меню", QRect(475, 10, 80, 30));
  SetCancelButton(BackButton);
  connect(BackButton, &QPushButton::clicked, this, &TForm2::BackButtonClick);
}

void TForm2::BackButtonClick() {
  LeaveToMenu([this] { PlayFarewell(); });
}

void TForm2::PlayFarewell() {
  if (!game_.sound.On()) return;
  game_.sound.Play(game_.random.RandomInt(2) == 1 ? "sound\\Пока.wav" : "sound\\До свидания.wav");
}

void TForm2::FormClose(QCloseEvent* event) {
  ConfirmCloseToMenu(event, [this] { PlayFarewell(); });
}
