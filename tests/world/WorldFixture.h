#pragma once

#include <QLabel>
#include <QPushButton>

#include "inventory/StockUnit.h"
#include "shell/NickUnit.h"
#include "shop/BuyUnit.h"
#include "support/TestGame.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

using Lines = std::vector<std::string>;

// The lines up to the fight screen showing; its own set-up follows.
inline Lines UpToTheFight(Lines lines) {
  const auto fight = std::find(lines.begin(), lines.end(), "show TForm1");
  if (fight != lines.end()) lines.erase(fight + 1, lines.end());
  return lines;
}

// The menu shown as after a login, standing in `place`.
class WorldTest : public TestGame {
 protected:
  void Enter(int place, int encounterCountdown = 0) {
    Start();
    menu = game->form3;
    game->form4->hide();
    menu->show();
    game->state.Place = place;
    menu->EncounterCountdown = encounterCountdown;
    Events();
  }
  // Moves to a neighbour and lets the whole move run.
  void Travel(int place) {
    menu->Images[place]->Click();
    while (menu->MoveCountdown > 0) menu->TimerTimer();
  }
  bool Enabled(const QWidget* widget) const { return !widget->testAttribute(Qt::WA_Disabled); }
  bool MapEnabled() const {
    for (int place = 1; place <= kPlaceCount; ++place) {
      if (!Enabled(menu->Images[place])) return false;
    }
    return true;
  }

  TForm3* menu = nullptr;
};
