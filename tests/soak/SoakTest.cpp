#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <random>

#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/NickUnit.h"
#include "shop/BuyUnit.h"
#include "state/MemberTable.h"
#include "state/SaveFiles.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"
#include "world/WorldMap.h"

namespace {

// Fewer rounds under the sanitizers, whose unoptimised build is several times slower.
constexpr int kFights = MG_SOAK_FIGHTS;
constexpr int kTradeActions = MG_SOAK_FIGHTS * 2 / 5;
constexpr std::uint32_t kBotSeed = 20261208;

// A seeded player that clicks through the real screens and checks, after every
// step, what must always hold. Disabled buttons ignore click(), as they ignore a player.
class Soak : public TestGame {
 protected:
  int Pick(int n) { return static_cast<int>(bot() % static_cast<std::uint32_t>(n)); }

  void LogIn() {
    game->form4->Edit1->setText("Бот");
    game->form4->Edit2->setText("secret");
    game->form4->Button->click();
    ASSERT_TRUE(game->form3->isVisible());
  }

  // Every printed line so far is the game's own: no exception reached the player.
  void ExpectOnlyGameMessages() {
    for (const std::string& line : Events()) {
      ASSERT_FALSE(line.starts_with("error ")) << line << " at step " << step;
      if (line.starts_with("message ")) {
        ASSERT_EQ(line.find("\"\""), std::string::npos) << "an empty message at step " << step;
      }
    }
  }

  void ExpectSteadyWorld() {
    const GameState& state = game->state;
    ASSERT_EQ(state.MoveAttHP, state.AttHP) << "outside a fight, step " << step;
    ASSERT_TRUE(std::isfinite(state.Money)) << step;
    ASSERT_GE(state.Money, 0) << step;
    ExpectOnlyGameMessages();
  }

  GameState& State() { return game->state; }
  TForm3& World() { return *game->form3; }
  TForm5& Inventory() { return *game->form5; }

  void Tick() { World().TimerTimer(); }

  void Travel() {
    std::vector<int> neighbours;
    for (int place = 1; place <= kPlaceCount; ++place) {
      if (AreNeighbours(State().Place, place)) neighbours.push_back(place);
    }
    const int target = neighbours[Pick(static_cast<int>(neighbours.size()))];
    // While the map is locked (a cutting), the world clock runs on instead.
    if (!World().Images[target]->isEnabled() || !World().isVisible()) return Tick();
    World().ImageClick(target);
    while (World().MoveCountdown > 0) Tick();
  }

  void GoTo(bool town) {
    while ((State().Place == kTown) != town) Travel();
  }

  // A few moves with random boxes, perhaps against the other opponent, then the
  // fight is given up unless it ended by itself.
  void Fight() {
    TForm1& fight = *game->form1;
    for (int moves = Pick(4); moves > 0 && fight.isVisible(); --moves) {
      for (int box = 1; box <= 8; ++box) {
        if (Pick(3) == 0) fight.CheckBoxes[box]->click();
      }
      fight.MoveButton->click();
      if (Pick(4) == 0 && fight.isVisible()) fight.ChangeButton->click();
    }
    if (fight.isVisible()) fight.BackButton->click();
    ASSERT_TRUE(World().isVisible());
  }

  void OneFight() {
    GoTo(false);
    World().EncounterCountdown = 1;
    Tick();
    if (!game->form1->isVisible()) return;  // nobody lives here
    ++fights;
    Fight();
  }

  void Buy() {
    GoTo(true);
    World().ShopButton->click();
    TForm2& shop = *game->form2;
    const auto category = static_cast<ShopCategory>(Pick(kShopCategoryCount));
    ::ListBox& kinds = *shop.Tab(category).SubjectListBox;
    if (kinds.count() > 0) kinds.Choose(Pick(kinds.count()));
    const float before = State().Money;
    shop.Tab(category).Button->click();
    ASSERT_LE(State().Money, before);
    shop.BackButton->click();
  }

  void ChooseBackpackLine() {
    ListBox& backpack = *Inventory().SubjectListBox;
    if (backpack.count() > 0) backpack.Choose(Pick(backpack.count()));
  }

  void InInventory(auto action) {
    World().StockButton->click();
    action();
    Inventory().BackButton->click();
  }

  void TakeEverythingOff() {
    for (const EquipSlotInfo& slot : kEquipSlots) Inventory().TakeOff(slot);
  }

  // Wearing and then taking everything off gives back every value.
  void DressAndUndress() {
    InInventory([&] {
      TakeEverythingOff();
      const auto before = SavedValues(State(), SavedMembers(), '.').Lines();
      for (int n = Pick(6); n > 0; --n) {
        ChooseBackpackLine();
        const int place = State().Place;
        Inventory().DressButton->click();
        if (State().Place != place || !Inventory().isVisible()) return;  // a scroll was read
      }
      TakeEverythingOff();
      EXPECT_EQ(SavedValues(State(), SavedMembers(), '.').Lines(), before) << step;
    });
    ExpectSteadyWorld();
  }

  void Sell() {
    GoTo(true);
    InInventory([&] {
      ChooseBackpackLine();
      Inventory().SellButton->click();
    });
  }

  void Gems() {
    InInventory([&] {
      ChooseBackpackLine();
      QPushButton* buttons[] = {Inventory().DragButton, Inventory().Drag2Button,
                                Inventory().TransButton};
      buttons[Pick(3)]->click();
    });
  }

  void CutWood() {
    if (!World().ProfButton->isVisible()) {
      Travel();
      return;
    }
    World().ProfButton->click();
    while (World().CutCountdown > 0 && World().isVisible()) Tick();
    if (game->form1->isVisible()) Fight();
  }

  // Saves, starts a new run on the same folder and logs in again.
  void SaveAndReload() {
    World().SaveButton->click();
    const auto values = SavedValues(State(), SavedMembers(), '.').Lines();
    const auto backpack = Inventory().SubjectListBox->Lines();
    const auto bonus = Inventory().TransListBox->Lines();
    game.reset();
    Start(bot());
    LogIn();
    ASSERT_EQ(SavedValues(State(), SavedMembers(), '.').Lines(), values) << step;
    ASSERT_EQ(Inventory().SubjectListBox->Lines(), backpack) << step;
    ASSERT_EQ(Inventory().TransListBox->Lines(), bonus) << step;
  }

  void TradeAction() {
    switch (Pick(8)) {
      case 0:
      case 1:
        return Buy();
      case 2:
        return DressAndUndress();
      case 3:
        return Sell();
      case 4:
        return Gems();
      case 5:
        return Travel();
      case 6:
        return CutWood();
      default:
        return SaveAndReload();
    }
  }

  std::mt19937 bot{kBotSeed};
  int step = 0;
  int fights = 0;
};

}  // namespace

TEST_F(Soak, ThousandsOfFightsAndTradesKeepTheGameSound) {
  Start(kBotSeed);
  LogIn();
  ExpectOnlyGameMessages();
  for (int trades = 0; trades < kTradeActions || fights < kFights; ++step) {
    if (trades < kTradeActions && (fights >= kFights || Pick(7) < 2)) {
      TradeAction();
      ++trades;
    } else {
      OneFight();
    }
    if (HasFatalFailure()) return;
    ExpectSteadyWorld();
    if (HasFatalFailure()) return;
  }
}
