// The backpack and the bonus list as the game's data, seen through the inventory's
// list boxes: clicks with a real mouse, and a long random run of every change the
// game makes, checked against a plain vector.

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <array>
#include <random>

#include "character/PersUnit.h"
#include "inventory/StockUnit.h"
#include "inventory/Wearing.h"
#include "shell/SaveGame.h"
#include "shop/BuyUnit.h"
#include "state/SaveFiles.h"
#include "support/Keys.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PageControl.h"
#include "widgets/PictureBox.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kNoChoice = R"(message "Ошибка" warning "Вы не выбрали вещь.")";

QPoint CentreOf(ListBox& box, int row) {
  return box.visualRect(box.model()->index(row, 0)).center();
}
QPoint BottomOf(ListBox& box) { return QPoint(10, box.viewport()->height() - 3); }
void MouseClick(ListBox& box, QPoint where) {
  QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, where);
}

class InventoryLists : public TestGame {
 protected:
  void SetUp() override {
    Start();
    form = game->form5;
    form->show();
    Events();
  }
  Lines Shown(ListBox& box) {
    Lines shown;
    for (int row = 0; row < box.model()->rowCount(); ++row)
      shown.push_back(box.model()->index(row, 0).data().toString().toStdString());
    return shown;
  }

  TForm5* form = nullptr;
};

TEST_F(InventoryLists, AClickAnywhereInTheBackpackRunsItsHandler) {
  MouseClick(*form->SubjectListBox, BottomOf(*form->SubjectListBox));
  EXPECT_EQ(Events(), Lines{kNoChoice});
  game->backpack.ReplaceAll({"Шлем слепоты", "Алмаз [1]", "Зелье ХП"});
  MouseClick(*form->SubjectListBox, BottomOf(*form->SubjectListBox));
  EXPECT_EQ(Events(), Lines{kNoChoice});
  MouseClick(*form->SubjectListBox, CentreOf(*form->SubjectListBox, 1));
  EXPECT_EQ(form->SelectedItem, "Алмаз [1]");
  EXPECT_EQ(form->ParamListBox->Lines(), DescribeItem("Алмаз [1]"));
  // Below the lines the chosen one is described again.
  form->ParamListBox->clear();
  MouseClick(*form->SubjectListBox, BottomOf(*form->SubjectListBox));
  EXPECT_EQ(form->SelectedItem, "Алмаз [1]");
  EXPECT_EQ(form->ParamListBox->Lines(), DescribeItem("Алмаз [1]"));
  EXPECT_TRUE(Events().empty());
}

TEST_F(InventoryLists, ABonusLineChosenByMouseIsTheOneMovedBack) {
  game->bonusList.ReplaceAll({"Алмаз [1]", "Рубин [1]"});
  MouseClick(*form->TransListBox, CentreOf(*form->TransListBox, 1));
  EXPECT_EQ(form->TransListBox->currentRow(), 1);
  MouseClick(*form->TransListBox, BottomOf(*form->TransListBox));
  EXPECT_EQ(form->TransListBox->currentRow(), 1);
  form->Drag2Button->click();
  EXPECT_EQ(game->backpack.Lines(), Lines{"Рубин [1]"});
  EXPECT_EQ(game->bonusList.Lines(), Lines{"Алмаз [1]"});
}

TEST_F(InventoryLists, TheShopsListsAndTheAvatarListAnswerTheMouse) {
  TForm2& shop = *game->form2;
  shop.show();
  for (TForm2::ShopTab& tab : shop.Tabs) {
    shop.PageControl->setCurrentWidget(tab.TabSheet);
    ListBox& kinds = *tab.SubjectListBox;
    tab.ListBox->clear();
    const QModelIndex under = kinds.indexAt(BottomOf(kinds));
    const std::string expected = under.isValid() ? kinds.Line(under.row()) : kinds.Line(0);
    MouseClick(kinds, BottomOf(kinds));
    EXPECT_EQ(tab.ChosenName, expected) << kinds.objectName().toStdString();
    EXPECT_EQ(tab.ListBox->Lines(), DescribeItem(expected)) << kinds.objectName().toStdString();
  }
  shop.hide();
  TForm7& character = *game->form7;
  character.show();
  MouseClick(*character.AvatarListBox, CentreOf(*character.AvatarListBox, 4));
  EXPECT_EQ(game->state.Avatar, "image\\5.bmp");
}

// Every list box with a click handler: the focus and the right and middle buttons
// choose no line, so no line is ever highlighted that its handler did not see.
TEST_F(InventoryLists, FocusAndOtherButtonsChooseNothingInAnyListWithAHandler) {
  game->backpack.ReplaceAll({"Шлем слепоты", "Амулет смертельного взгляда"});
  game->bonusList.ReplaceAll({"Алмаз [1]", "Рубин [1]"});
  std::vector<ListBox*> boxes = {form->SubjectListBox, form->TransListBox,
                                 game->form7->AvatarListBox};
  for (TForm2::ShopTab& tab : game->form2->Tabs) boxes.push_back(tab.SubjectListBox);
  for (ListBox* box : boxes) {
    box->window()->show();
    box->setCurrentRow(-1);
    QSignalSpy clicks(box, &ListBox::Click);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &in);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
      QTest::mouseClick(box->viewport(), button, {}, CentreOf(*box, 1));
    EXPECT_EQ(box->currentRow(), -1) << box->objectName().toStdString();
    EXPECT_EQ(clicks.count(), 0) << box->objectName().toStdString();
  }
}

// The two ways a line could be used that the player never chose: logs reached by
// the focus alone, and a line highlighted by the right button.
TEST_F(InventoryLists, WearAndSellActOnlyOnTheLineChosenThroughItsHandler) {
  game->backpack.ReplaceAll({"Шлем слепоты"});
  form->SubjectListBox->Choose(0);
  form->DressButton->click();
  game->backpack.Append("Поленья (3 штуки)");
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(form->SubjectListBox, &in);
  Events();
  form->DressButton->click();
  EXPECT_EQ(Events(), Lines{kNoChoice});
  EXPECT_EQ(game->backpack.Lines(), Lines{"Поленья (3 штуки)"});

  game->backpack.ReplaceAll({"Амулет смертельного взгляда", "Шлем слепоты"});
  MouseClick(*form->SubjectListBox, CentreOf(*form->SubjectListBox, 0));
  QTest::mouseClick(form->SubjectListBox->viewport(), Qt::RightButton, {},
                    CentreOf(*form->SubjectListBox, 1));
  form->SellButton->click();
  EXPECT_EQ(game->backpack.Lines(), Lines{"Шлем слепоты"});
}

// Space on "Надеть" wears the helmet; the gem then first in line disables the button,
// and the focus stays on the backpack, where a second Space sells nothing.
TEST_F(InventoryLists, ASecondSpaceAfterWearingDoesNothing) {
  game->backpack.ReplaceAll({"Шлем слепоты", "Алмаз [1]"});
  form->SubjectListBox->Choose(0);
  form->DressButton->setFocus();
  const float money = game->state.Money;
  for (int press = 0; press < 2; ++press) PressKey(form, Qt::Key_Space, {}, " ");
  EXPECT_EQ(game->state.Shlem, "image\\Шлем слепоты.bmp");
  EXPECT_EQ(game->backpack.Lines(), Lines{"Алмаз [1]"});
  EXPECT_EQ(game->state.Money, money);
  EXPECT_EQ(form->focusWidget(), form->SubjectListBox);
}

// Three equal gems below level 5 give the next level; anything else, nothing.
std::optional<std::string> Combined(const Lines& bonus) {
  if (bonus.size() != 3 || bonus[0] != bonus[1] || bonus[0] != bonus[2]) return std::nullopt;
  const std::string& gem = bonus[0];
  if (gem.size() < 4 || gem[gem.size() - 3] != '[' || gem.back() != ']') return std::nullopt;
  const char level = gem[gem.size() - 2];
  if (level < '1' || level > '4') return std::nullopt;
  return gem.substr(0, gem.size() - 2) + static_cast<char>(level + 1) + "]";
}

// Every change the game makes to the two lists, drawn at random; after each the
// data must be what a plain vector says, the list boxes must show exactly it, and
// the chosen backpack line must be the one the inventory describes.
TEST_F(InventoryLists, DataAndViewsAgreeWithAPlainVectorThroughALongRandomRun) {
  game->state.Nick = "Вася";
  game->state.Password = "secret";
  game->state.AttLevel = 5;
  game->state.AttHealth = 40;
  std::mt19937 random(20261209);
  const auto draw = [&random](int n) { return static_cast<int>(random() % n); };
  const Lines found = {"Рубин [1]", "Рубин [1]", "Алмаз [1]", "Поленья (2 штуки)"};
  Lines backpack, bonus;
  // How often each kind of change really happened: the run must cover them all.
  std::array<int, 9> done{};
  const auto choose = [&](int row) {
    form->SubjectListBox->Choose(row);
    return row;
  };
  for (int step = 0; step < 1500; ++step) {
    const int count = static_cast<int>(backpack.size());
    const int change = draw(9);
    const Lines backpackBefore = backpack, bonusBefore = bonus;
    switch (change) {
      case 0: {  // buying
        TForm2::ShopTab& tab = game->form2->Tabs[draw(kShopCategoryCount)];
        tab.SubjectListBox->Choose(draw(tab.SubjectListBox->count()));
        game->state.Money = 100000;
        tab.Button->click();
        backpack.push_back(tab.ChosenName);
        break;
      }
      case 1:  // fight loot and wood cutting append as the game does
        game->backpack.Append(found[draw(found.size())]);
        backpack.push_back(game->backpack.Lines().back());
        break;
      case 2:  // selling
        if (count == 0 || (count < 8 && draw(2))) break;
        backpack.erase(backpack.begin() + choose(draw(count)));
        form->SellButton->click();
        break;
      case 3: {  // wearing: whatever the slot held comes back at the end
        if (count == 0) break;
        const int row = draw(count);
        if (UseOf(FindItem(backpack[row])) != BackpackUse::Wear) break;
        const std::string held = game->state.*WearSlot(game->state, *FindItem(backpack[row]))->hint;
        choose(row);
        form->DressButton->click();
        if (held != kEmptySlot) backpack.push_back(held);
        backpack.erase(backpack.begin() + row);
        break;
      }
      case 4: {  // taking off
        const int slot = draw(kEquipSlotCount);
        const std::string held = game->state.*kEquipSlots[slot].hint;
        form->Figure.pictures[slot]->Click();
        if (held != kEmptySlot && kEquipSlots[slot].picture != &GameState::Karman)
          backpack.push_back(held);
        break;
      }
      case 5: {  // a line into the bonuses
        if (count == 0) break;
        // Gems half the time, so that three equal ones meet now and then.
        const auto gem = std::ranges::find(backpack, "Рубин [1]");
        const int row =
            choose(gem != backpack.end() && draw(2) ? gem - backpack.begin() : draw(count));
        form->DragButton->click();
        if (bonus.size() >= 5) break;
        bonus.push_back(backpack[row]);
        backpack.erase(backpack.begin() + row);
        break;
      }
      case 6: {  // a bonus line back
        if (bonus.empty()) break;
        // Other lines first, so that three gems are left alone now and then.
        const auto other = std::ranges::find_if(bonus, [](auto& l) { return l != "Рубин [1]"; });
        const int row = other != bonus.end() ? other - bonus.begin() : draw(bonus.size());
        form->TransListBox->Choose(row);
        form->Drag2Button->click();
        backpack.push_back(bonus[row]);
        bonus.erase(bonus.begin() + row);
        break;
      }
      case 7:  // combining
        form->TransButton->click();
        if (const auto gem = Combined(bonus)) {
          bonus.clear();
          backpack.push_back(*gem);
        }
        break;
      default: {  // the save writes exactly the lists
        if (step % 5) break;
        SaveGame(*game);
        LoadedGame loaded;
        const SaveFileNames names = SaveFilesOf("Вася");
        ASSERT_FALSE(
            ReadSavedGame(game->folder, names, OpenMainFile(game->folder, names).values, loaded));
        ASSERT_EQ(loaded.backpack, backpack) << step;
        ASSERT_EQ(loaded.bonus, bonus) << step;
        ++done[change];
        break;
      }
    }
    if (backpack != backpackBefore || bonus != bonusBefore) ++done[change];
    const std::string where = "step " + std::to_string(step) + ", change " + std::to_string(change);
    ASSERT_EQ(game->backpack.Lines(), backpack) << where;
    ASSERT_EQ(game->bonusList.Lines(), bonus) << where;
    ASSERT_EQ(Shown(*form->SubjectListBox), backpack) << where;
    ASSERT_EQ(Shown(*form->TransListBox), bonus) << where;
    const int chosen = form->SubjectListBox->currentRow();
    ASSERT_LT(chosen, static_cast<int>(backpack.size())) << where;
    if (chosen >= 0) {
      ASSERT_EQ(backpack[chosen], form->SelectedItem) << where;
    }
  }
  for (int change = 0; change < 9; ++change) EXPECT_GT(done[change], 0) << change;
  Events();
}

}  // namespace
