#include "shop/BuyUnit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/Translate.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PageControl.h"
#include "widgets/PictureBox.h"

namespace {

// The picture frame of each tab, in tab order: width × height.
const QSize kPictureSizes[kShopCategoryCount] = {
    {62, 65},  // Shlem
    {62, 35},  // Amulet
    {62, 91},  // Mech
    {62, 91},  // Topor
    {62, 91},  // Drob
    {62, 91},  // Nozh
    {62, 30},  // Poyas
    {62, 63},  // Sapogi
    {62, 40},  // Naruchi
    {62, 40},  // Perchi
    {62, 91},  // Shit
    {31, 31},  // Kolco
    {62, 83},  // Bronya
    {62, 83},  // Kolch
    {20, 20},  // Zelik
    {42, 21},  // Svitok
};

constexpr QRect kMoneyFrame(234, 18, 95, 14);
constexpr int kPictureLeft = 5;
constexpr int kPictureTop = 20;
// The lists take the sheet's width: the longest description line and the
// longest name of a kind show whole.
constexpr QRect kDescription(85, 20, 200, 199);
constexpr QRect kKinds(295, 20, 260, 199);

QLabel* MakeTabLabel(QWidget* sheet, const QString& name, const QString& text, int left) {
  auto* label = new QLabel(text, sheet);
  label->setObjectName(name);
  label->move(left, 4);
  label->adjustSize();
  label->setCursor(Qt::CrossCursor);
  return label;
}

ListBox* MakeTabList(QWidget* sheet, const QString& name, const QRect& frame) {
  auto* list = new ListBox(name, sheet);
  list->setGeometry(frame);
  list->setCursor(Qt::CrossCursor);
  return list;
}

}  // namespace

TForm2::TForm2(Game& game) : Screen(game, "TForm2", 563, 324) {
  MoneyLabel = MakeLabel("MoneyLabel", "", kMoneyFrame.left(), kMoneyFrame.top());
  MoneyLabel->setGeometry(kMoneyFrame);
  MoneyLabel->setAlignment(Qt::AlignCenter);

  PageControl = new ::PageControl(this);
  PageControl->setObjectName("PageControl");
  PageControl->setGeometry(0, 49, 563, 275);
  for (int i = 0; i < kShopCategoryCount; ++i) MakeTabSheet(static_cast<ShopCategory>(i));

  // Made after the tabs: it comes last in the Tab order.
  BackButton =
      MakeButton("BackButton", tr("Вернуться"), tr("Вернуться в меню"), QRect(475, 10, 80, 30));
  BackButton->setCursor(Qt::PointingHandCursor);
  SetCancelButton(BackButton);
  OnInput(BackButton, &QPushButton::clicked, &TForm2::BackButtonClick);
  MakeKeyboardPlay();
  PageControl->setCurrentIndex(0);
  // Choosing a tab is an input of its own, recorded and replayed like a click.
  PageControl->SetChooser([this](QWidget* sheet) {
    RunInput(*sheet, [this, sheet] { PageControl->setCurrentWidget(sheet); });
  });

  BindMembers();
}

void TForm2::MakeTabSheet(ShopCategory category) {
  const QString key = ShopCategoryKey(category);
  ShopTab& tab = Tab(category);
  tab.TabSheet = new QWidget;
  tab.TabSheet->setObjectName(key + "TabSheet");
  PageControl->addTab(tab.TabSheet, QString::fromStdString(
                                        mg::translate("ShopTab", ShopCategoryCaption(category))));

  const QSize picture = kPictureSizes[static_cast<int>(category)];
  tab.Image = new PictureBox(game_.folder, key + "Image", tab.TabSheet);
  tab.Image->setGeometry(QRect(QPoint(kPictureLeft, kPictureTop), picture));

  tab.Button = new QPushButton(tr("Купить"), tab.TabSheet);
  tab.Button->setObjectName(key + "Button");
  tab.Button->setToolTip(tr("Купить вещь"));
  tab.Button->setGeometry(kPictureLeft, kPictureTop + picture.height() + 10, 62, 30);
  tab.Button->setAutoDefault(false);
  tab.Button->setCursor(Qt::PointingHandCursor);
  OnInput(tab.Button, &QPushButton::clicked, [this, category] { ButtonClick(category); });

  tab.ParLabel =
      MakeTabLabel(tab.TabSheet, key + "ParLabel", tr("Параметры вещи:"), kDescription.left());
  tab.ListBox = MakeTabList(tab.TabSheet, key + "ListBox", kDescription);
  tab.ThinLabel =
      MakeTabLabel(tab.TabSheet, key + "ThinLabel", tr("Вещи в продаже:"), kKinds.left());
  tab.SubjectListBox = MakeTabList(tab.TabSheet, key + "SubjectListBox", kKinds);
  for (const ItemKind* kind : ShopKinds(category)) tab.SubjectListBox->AddLine(kind->name);
  OnInput(tab.SubjectListBox, &ListBox::Click, [this, category] { SubjectListBoxClick(category); });
}

// The tabs (one stop), the sheet's kinds, their description, "Купить", then
// "Вернуться".
void TForm2::MakeKeyboardPlay() {
  PageControl->setAccessibleName(tr("Разделы магазина"));
  std::vector<QWidget*> order;
  for (int i = 0; i < PageControl->count(); ++i) order.push_back(PageControl->tab(i));
  for (int i = 0; i < kShopCategoryCount; ++i) {
    ShopTab& tab = Tabs[i];
    tab.TabSheet->setAccessibleName(tr("Раздел «%1»").arg(PageControl->tabText(i)));
    tab.Image->SetAccessibleLabel(tr("Рисунок вещи"));
    tab.ListBox->setAccessibleName(tr("Параметры вещи"));
    tab.SubjectListBox->setAccessibleName(tr("Вещи в продаже"));
    order.insert(order.end(), {tab.SubjectListBox, tab.ListBox, tab.Button});
  }
  order.push_back(BackButton);
  SetTabOrder(order);
}

bool TForm2::FormKeyDown(const QKeyEvent& event) {
  const bool control = event.modifiers() & Qt::ControlModifier;
  if (!control || (event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab)) return false;
  // Ctrl+Tab the next tab, Ctrl+Shift+Tab the one before.
  const bool back = event.key() == Qt::Key_Backtab || (event.modifiers() & Qt::ShiftModifier);
  PageControl->StepTab(back ? -1 : 1);
  return true;
}

void TForm2::BindMembers() {
  Bindings& b = game_.bindings;
  b.Bind("TForm2.PurchasePrice", PurchasePrice);
  for (int i = 0; i < kShopCategoryCount; ++i) {
    const auto category = static_cast<ShopCategory>(i);
    b.Bind(std::string("TForm2.") + ShopCategoryKey(category) + "ChosenName",
           Tab(category).ChosenName);
  }
}

void TForm2::ShowMoney() { Screen::ShowMoney(MoneyLabel, kMoneyFrame); }

void TForm2::FormShow() {
  ShowMoney();
  // Every tab shows its first kind again; the active tab stays.
  for (ShopTab& tab : Tabs) tab.SubjectListBox->Choose(0);
}

void TForm2::SubjectListBoxClick(ShopCategory category) {
  ShopTab& tab = Tab(category);
  // Choosing no line keeps the kind chosen before.
  if (tab.SubjectListBox->currentRow() < 0) return;
  const std::string name = tab.SubjectListBox->Line(tab.SubjectListBox->currentRow());
  tab.ListBox->SetLines(DescribeItem(name));
  tab.ChosenName = name;
  tab.Image->Load(FindItem(name)->Picture());
}

void TForm2::ButtonClick(ShopCategory category) {
  const std::string name = Tab(category).ChosenName;
  const ItemKind* kind = FindItem(name);
  // Only a kind of the catalogue can be sold (a set-up may leave any text here).
  if (!kind) return;
  PurchasePrice = static_cast<float>(kind->price);
  GameState& s = game_.state;
  if (s.Money >= PurchasePrice) {
    s.Money -= PurchasePrice;
    game_.backpack.Append(name);
    game_.Inform(tr("Вещь куплена."));
    ShowMoney();
    return;
  }
  game_.sound.Play("sound\\Не хватает.wav");
  game_.Refuse(tr("Сообщение"), tr("У вас не хватает денег для покупки."));
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
