#include "fight/MGUnit.h"

#include <QCloseEvent>
#include <QPushButton>
#include <ctime>

#include "shell/Game.h"

TForm1::TForm1(Game& game) : Screen(game, "TForm1", 902, 565) {
  MoveButton = MakeButton("MoveButton", "Ход", "Походить", QRect(401, 300, 100, 30));
  BackButton = MakeButton("BackButton", "Сдаться", "Признать поражение", QRect(401, 380, 100, 30));
  SetDefaultButton(MoveButton);
  SetCancelButton(BackButton);
  connect(MoveButton, &QPushButton::clicked, this, &TForm1::MoveButtonClick);
  connect(BackButton, &QPushButton::clicked, this, &TForm1::BackButtonClick);

  // The game's one generator is seeded here, once.
  game.random.Seed(game.options.seed ? *game.options.seed
                                     : static_cast<std::uint32_t>(std::time(nullptr)));
}

void TForm1::MoveButtonClick() {}

void TForm1::BackButtonClick() {}

void TForm1::FormClose(QCloseEvent* event) {
  event->ignore();
  if (game_.dialogs.ConfirmExit()) {
    game_.Quit();
    return;
  }
  // "Нет" ends the fight as a surrender.
  BackButtonClick();
}
