#pragma once

#include <array>
#include <string>

#include "items/ItemCatalogue.h"
#include "shell/Screen.h"

class QLabel;
class QPushButton;
class PageControl;
class ListBox;
class PictureBox;

// The shop, in the town only: one tab sheet per shop category.
class TForm2 : public Screen {
  Q_OBJECT

 public:
  explicit TForm2(Game& game);

  // The six controls of one tab sheet ("ShlemImage", "ShlemButton", …) and the
  // kind last chosen on it.
  struct ShopTab {
    QWidget* TabSheet;
    PictureBox* Image;
    QPushButton* Button;
    QLabel* ParLabel;
    ::ListBox* ListBox;
    QLabel* ThinLabel;
    ::ListBox* SubjectListBox;
    std::string ChosenName;
  };

  QLabel* MoneyLabel;
  QPushButton* BackButton;
  class PageControl* PageControl;
  std::array<ShopTab, kShopCategoryCount> Tabs;
  float PurchasePrice = 0;

  ShopTab& Tab(ShopCategory category) { return Tabs[static_cast<int>(category)]; }

  // The handlers every tab shares: a kind chosen in its list, "Купить".
  void SubjectListBoxClick(ShopCategory category);
  void ButtonClick(ShopCategory category);
  void BackButtonClick();

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;
  // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs.
  bool FormKeyDown(const QKeyEvent& event) override;

 private:
  void MakeTabSheet(ShopCategory category);
  void MakeKeyboardPlay();
  void BindMembers();
  void ShowMoney();
  void PlayFarewell();
};
