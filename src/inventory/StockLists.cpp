// Selling and the bonus list.

#include <QLabel>
#include <QPushButton>

#include "core/Translate.h"
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
  game_.backpack.RemoveAt(row);
  game_.state.Money += LastSalePrice;
  ParamListBox->clear();
  game_.Inform(tr("Вещь продана за %1 руб.", nullptr, mg::PluralCountOf(LastSalePrice))
                   .arg(QString::fromStdString(Roubles(LastSalePrice))));
  ShowMoney();
  if (game_.backpack.Count() > 0) SubjectListBox->Choose(0);
}

void TForm5::DragButtonClick() {
  const int row = SubjectListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  if (game_.bonusList.Count() >= kMaxBonusLines) {
    game_.Refuse(tr("Ошибка"), tr("Может быть максимум 5 бонусов."));
    return;
  }
  const std::string line = game_.backpack.LineAt(row);
  game_.bonusList.Append(line);
  ApplyGemBonus(game_.state, line, 1);
  game_.backpack.RemoveAt(row);
  ParamListBox->clear();
  ChooseFirstLines();
}

void TForm5::Drag2ButtonClick() {
  const int row = TransListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  const std::string line = game_.bonusList.LineAt(row);
  game_.backpack.Append(line);
  ApplyGemBonus(game_.state, line, -1);
  game_.bonusList.RemoveAt(row);
  ChooseFirstLines();
}

// Refusals say nothing.
void TForm5::TransButtonClick() {
  const std::optional<GemCombination> combination = CombineGems(game_.bonusList.Lines());
  if (!combination) return;
  game_.bonusList.ReplaceAll({});
  // The three gems leave the bonus list; the new one lies in the backpack, giving nothing.
  ApplyModifiers(game_.state, *combination->gem, -kGemsToCombine);
  game_.backpack.Append(combination->result);
  SubjectListBox->Choose(0);
}
