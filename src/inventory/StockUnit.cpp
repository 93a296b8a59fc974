#include "inventory/StockUnit.h"

#include <QPushButton>

#include "shell/Game.h"
#include "widgets/ListBox.h"

TForm5::TForm5(Game& game) : Screen(game, "TForm5", 811, 481) {
  SubjectListBox = MakeListBox("SubjectListBox", QRect(273, 51, 200, 200));
  TransListBox = MakeListBox("TransListBox", QRect(600, 51, 200, 200));
  BackButton = MakeButton("BackButton", "Вернуться", "Вернуться в меню", QRect(723, 10, 80, 30));
  SetCancelButton(BackButton);
  connect(BackButton, &QPushButton::clicked, this, &TForm5::BackButtonClick);
  game.bindings.Bind("TForm5.SelectedItem", SelectedItem);
}

void TForm5::TimerTimer() {}

void TForm5::FormShow() { game_.sound.Play("sound\\ПИ вход.wav"); }

void TForm5::BackButtonClick() {
  LeaveToMenu([this] { PlayLeave(); });
}

void TForm5::PlayLeave() { game_.sound.Play("sound\\ПИ выход.wav"); }

void TForm5::FormClose(QCloseEvent* event) {
  ConfirmCloseToMenu(event, [this] { PlayLeave(); });
}
