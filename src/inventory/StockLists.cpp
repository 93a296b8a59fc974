// Selling and the bonus list.

#include <QLabel>
#include <QPushButton>

#include "inventory/BonusGems.h"
#include "inventory/Selling.h"
#include "inventory/StockText.h"
#include "inventory/StockUnit.h"
#include "inventory/Wearing.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"

void TForm5::SellButtonClick() {
  const int row = SubjectListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  game_.sound.Play("sound\\Продать.wav");
  LastSalePrice = SalePriceOf(SelectedItem);
  delete SubjectListBox->takeItem(row);
  game_.state.Money += LastSalePrice;
  ParamListBox->clear();
  game_.Inform("Вещь продана за " + Roubles(LastSalePrice) + " руб.");
  ShowMoney();
  if (SubjectListBox->count() > 0) SubjectListBox->Choose(0);
}

void TForm5::DragButtonClick() {
  const int row = SubjectListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  if (TransListBox->count() >= kMaxBonusLines) {
    game_.Refuse("Ошибка", "Может быть максимум 5 бонусов.");
    return;
  }
  const std::string line = SubjectListBox->Line(row);
  TransListBox->AddLine(line);
  ApplyGemBonus(game_.state, line, 1);
  delete SubjectListBox->takeItem(row);
  ParamListBox->clear();
  ChooseFirstLines();
}

void TForm5::Drag2ButtonClick() {
  const int row = TransListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  const std::string line = TransListBox->Line(row);
  SubjectListBox->AddLine(line);
  ApplyGemBonus(game_.state, line, -1);
  delete TransListBox->takeItem(row);
  ChooseFirstLines();
}

// Refusals say nothing.
void TForm5::TransButtonClick() {
  const std::optional<GemCombination> combination = CombineGems(TransListBox->Lines());
  if (!combination) return;
  TransListBox->clear();
  // The three gems leave the bonus list; the new one lies in the backpack, giving nothing.
  ApplyModifiers(game_.state, *combination->gem, -kGemsToCombine);
  SubjectListBox->AddLine(combination->result);
  SubjectListBox->Choose(0);
}
