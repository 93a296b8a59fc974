#include "inventory/StockUnit.h"

#include <QLabel>
#include <QPushButton>

#include "core/Format.h"
#include "core/SystemLocale.h"
#include "core/Translate.h"
#include "inventory/BonusGems.h"
#include "inventory/StockText.h"
#include "inventory/Wearing.h"
#include "items/ItemCatalogue.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"
#include "world/WorldMap.h"

namespace {

// The refresh runs after every batch of events: an unchanged label costs nothing.
bool SetText(QLabel* label, const std::string& text) {
  const QString shown = Text(text);
  if (label->text() == shown) return false;
  label->setText(shown);
  return true;
}

// A label that grows with its text.
void SetLabel(QLabel* label, const std::string& text) {
  if (SetText(label, text)) label->adjustSize();
}

// The "+" buttons stand right of the four upper values, room for four digits.
constexpr int kPlusLeft = 173;
// Three columns right of the figure, wide enough for the longest description
// line, the longest name and a gem with the scroll bar shown.
constexpr QRect kParameters(273, 51, 188, 220);
constexpr QRect kBackpack(469, 51, 220, 330);
constexpr QRect kBonuses(697, 66, 106, 110);

}  // namespace

std::string Roubles(float sum) { return FormatFloat(sum, SystemDecimalPoint()); }

TForm5::TForm5(Game& game) : Screen(game, "TForm5", 811, 481) {
  Figure = MakeSlotFigure(this, game.folder);
  MakeStatLabels();
  MakeLists();
  MakeButtons();
  ConnectHandlers();
  MakeKeyboardPlay();
  game.bindings.Bind("TForm5.SelectedItem", SelectedItem);
  game.bindings.Bind("TForm5.LastSalePrice", LastSalePrice);
}

// By name, so that the lists keep their names and places whatever widget shows them.
void TForm5::MakeKeyboardPlay() {
  SetTabOrder(Figure.SetFocusable(),
              {"PowerButton", "DexterityButton", "GoodLuckButton", "HealthButton", "ListBox",
               "SubjectListBox", "DressButton", "SellButton", "DragButton", "Drag2Button",
               "TransListBox", "TransButton", "BackButton"});
  // "Надеть" disabled under the focus leaves it on the backpack, not on "Продать".
  SetSafeFocus(SubjectListBox);
  SetAccessibleNames({{"ListBox", tr("Параметры вещи")},
                      {"SubjectListBox", tr("Вещи в рюкзаке")},
                      {"TransListBox", tr("Бонусы")}});
}

void TForm5::MakeStatLabels() {
  // Over the figure, two lines high: a long nick with five-digit hit points
  // wraps instead of running into the description's title; a short text stays
  // on the lower line.
  HPLabel = MakeLabel("HPLabel", "", 8, 21);
  HPLabel->setGeometry(8, 21, 257, 28);
  HPLabel->setWordWrap(true);
  HPLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  PowerLabel = MakeLabel("PowerLabel", "", 73, 325);
  DexterityLabel = MakeLabel("DexterityLabel", "", 73, 339);
  GoodLuckLabel = MakeLabel("GoodLuckLabel", "", 73, 353);
  HealthLabel = MakeLabel("HealthLabel", "", 73, 367);
  KickLabel = MakeLabel("KickLabel", "", 73, 387);
  KBLabel = MakeLabel("KBLabel", "", 73, 401);
  UlovLabel = MakeLabel("UlovLabel", "", 73, 415);
  TochLabel = MakeLabel("TochLabel", "", 73, 429);
  SokrLabel = MakeLabel("SokrLabel", "", 73, 443);
  StoiLabel = MakeLabel("StoiLabel", "", 73, 457);
  MoneyLabel = MakeLabel("MoneyLabel", "", 358, 12);
  MoneyLabel->setAlignment(Qt::AlignCenter);
  UluchLabel = MakeLabel("UluchLabel", "", 273, 275);
  UluchLabel->setStyleSheet("color: red");
}

void TForm5::MakeLists() {
  MakeLabel("Label1", tr("Параметры вещи:"), kParameters.left(), 35);
  ParamListBox = MakeListBox("ListBox", kParameters);
  MakeLabel("Label2", tr("Вещи в рюкзаке:"), kBackpack.left(), 35);
  SubjectListBox = MakeListBox("SubjectListBox", kBackpack, &game_.backpack);
  MakeLabel("Label3", tr("Бонусы:"), kBonuses.left(), 50);
  TransListBox = MakeListBox("TransListBox", kBonuses, &game_.bonusList);
}

QPushButton* TForm5::MakePlusButton(const QString& name, const QString& hint, int top) {
  return MakeButton(name, "+", hint, QRect(kPlusLeft, top, 16, 14));
}

void TForm5::MakeButtons() {
  PowerButton = MakePlusButton("PowerButton", tr("+1 к силе"), 325);
  DexterityButton = MakePlusButton("DexterityButton", tr("+1 к ловкости"), 339);
  GoodLuckButton = MakePlusButton("GoodLuckButton", tr("+1 к удаче"), 353);
  HealthButton = MakePlusButton("HealthButton", tr("+1 к здоровью"), 367);

  // Under the backpack, half its width each.
  const int half = (kBackpack.width() - 8) / 2;
  const int underBackpack = kBackpack.bottom() + 7;
  DressButton = MakeButton("DressButton", tr("Надеть"), tr("Надеть вещь"),
                           QRect(kBackpack.left(), underBackpack, half, 25));
  SellButton = MakeButton("SellButton", tr("Продать"), tr("Продать вещь за половину цены"),
                          QRect(kBackpack.right() + 1 - half, underBackpack, half, 25));
  // Under the bonus list: the two moves side by side, then the combining.
  const int underBonuses = kBonuses.bottom() + 7;
  DragButton = MakeButton("DragButton", "->", tr("Переместить в бонусы"),
                          QRect(kBonuses.left(), underBonuses, 49, 25));
  Drag2Button = MakeButton("Drag2Button", "<-", tr("Переместить в рюкзак"),
                           QRect(kBonuses.right() - 48, underBonuses, 49, 25));
  TransButton = MakeButton("TransButton", tr("Превратить"), tr("Превратить бонусы"),
                           QRect(kBonuses.left(), underBonuses + 31, kBonuses.width(), 25));

  BackButton =
      MakeButton("BackButton", tr("Вернуться"), tr("Вернуться в меню"), QRect(723, 10, 80, 30));
  SetCancelButton(BackButton);
}

void TForm5::ConnectHandlers() {
  const std::pair<QPushButton*, void (TForm5::*)()> buttons[] = {
      {PowerButton, &TForm5::PowerButtonClick},
      {DexterityButton, &TForm5::DexterityButtonClick},
      {GoodLuckButton, &TForm5::GoodLuckButtonClick},
      {HealthButton, &TForm5::HealthButtonClick},
      {DressButton, &TForm5::DressButtonClick},
      {SellButton, &TForm5::SellButtonClick},
      {DragButton, &TForm5::DragButtonClick},
      {Drag2Button, &TForm5::Drag2ButtonClick},
      {TransButton, &TForm5::TransButtonClick},
      {BackButton, &TForm5::BackButtonClick},
  };
  for (const auto& [button, handler] : buttons)
    connect(button, &QPushButton::clicked, this, handler);
  connect(SubjectListBox, &ListBox::Click, this, &TForm5::SubjectListBoxClick);
  // The pocket itself never changes: its picture takes no clicks.
  for (int i = 0; i < kEquipSlotCount; ++i) {
    const EquipSlotInfo& slot = kEquipSlots[i];
    if (slot.picture == &GameState::Karman) continue;
    connect(Figure.pictures[i], &PictureBox::clicked, this, [this, &slot] { TakeOff(slot); });
  }
}

void TForm5::TimerTimer() {
  const GameState& s = game_.state;
  SetLabel(KickLabel, mg::translate("Labels", "Удар: ") + std::to_string(s.AttKick));
  SetLabel(DexterityLabel, mg::translate("Labels", "Ловкость: ") + std::to_string(s.AttDexterity));
  SetLabel(GoodLuckLabel, mg::translate("Labels", "Удача: ") + std::to_string(s.AttGoodLuck));
  SetLabel(HealthLabel, mg::translate("Labels", "Здоровье: ") + std::to_string(s.AttHealth));
  SetText(HPLabel, s.Nick + " [" + std::to_string(s.AttLevel) +
                       mg::translate("Labels", "] | ХП: [") + std::to_string(s.MoveAttHP) + "/" +
                       std::to_string(s.AttHP) + "]");
  SetLabel(PowerLabel, mg::translate("Labels", "Сила: ") + std::to_string(s.AttPower));
  SetLabel(KBLabel, mg::translate("Labels", "Класс брони: ") + std::to_string(s.AttKB));
  SetLabel(UlovLabel, mg::translate("Labels", "Уловка: ") + std::to_string(s.AttUlov));
  SetLabel(TochLabel, mg::translate("Labels", "Точность: ") + std::to_string(s.AttToch));
  SetLabel(SokrLabel, mg::translate("Labels", "Сокрушение: ") + std::to_string(s.AttSokr));
  SetLabel(StoiLabel, mg::translate("Labels", "Стойкость: ") + std::to_string(s.AttStoi));
  SetLabel(UluchLabel, StatPointsLeftText(s.PointPar));
  const bool pointsLeft = s.PointPar > 0;
  const std::initializer_list<QWidget*> pointControls = {PowerButton, DexterityButton,
                                                         GoodLuckButton, HealthButton, UluchLabel};
  for (QWidget* control : pointControls) control->setVisible(pointsLeft);
}

void TForm5::SpendPoint(StatPointTarget target) { SpendStatPoint(game_.state, target); }

void TForm5::ShowMoney() { Screen::ShowMoney(MoneyLabel, QRect(358, 12, 95, 14)); }

void TForm5::FormShow() {
  game_.sound.Play("sound\\ПИ вход.wav");
  ShowMoney();
  Figure.avatar->Load(game_.state.Avatar);
  ShowSlotPictures(game_.state, Figure);
  ShowSlotHints(game_.state, Figure);
  ChooseFirstLines();
}

void TForm5::ChooseFirstLines() {
  if (game_.backpack.Count() > 0) SubjectListBox->Choose(0);
  if (game_.bonusList.Count() > 0) TransListBox->Choose(0);
}

void TForm5::RefuseNoChoice() { game_.Refuse(tr("Ошибка"), tr("Вы не выбрали вещь.")); }

void TForm5::ShowDescription(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) ParamListBox->AddLine(line);
}

void TForm5::ShowWearCaption(bool apply) {
  DressButton->setText(apply ? tr("Применить") : tr("Надеть"));
  DressButton->setToolTip(apply ? tr("Применить вещь") : tr("Надеть вещь"));
}

void TForm5::SubjectListBoxClick() {
  const int row = SubjectListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  SelectedItem = game_.backpack.LineAt(row);
  ParamListBox->clear();
  DressButton->setEnabled(true);
  const std::optional<std::string> gemWord = GemWordIn(SelectedItem);
  const bool logs = !gemWord && IsLogs(SelectedItem);
  if (gemWord) {
    for (int level = 1; level <= kTopGemLevel; ++level) {
      const std::string mark = GemLevelMark(level);
      if (SelectedItem.find(mark) != std::string::npos)
        ShowDescription(DescribeItem(*gemWord + " " + mark));
    }
  } else if (logs) {
    ShowDescription(DescribeItem(SelectedItem));
  }
  // Gems and logs are never worn.
  if (gemWord || logs) DressButton->setEnabled(false);
  if (DressButton->text() == tr("Применить")) ShowWearCaption(false);
  if (gemWord || logs) return;
  if (const ItemKind* kind = FindItem(SelectedItem)) {
    ShowDescription(DescribeItem(SelectedItem));
    OfferScroll(*kind);
  }
}

// The scrolls used from the backpack; a fight can only be called outside the town
// and not while moving.
void TForm5::OfferScroll(const ItemKind& kind) {
  const BackpackUse use = UseOf(&kind);
  if (use == BackpackUse::BattleScroll) {
    const bool canFight = game_.state.Place != kTown && game_.form3->MoveCountdown <= 0;
    if (!canFight) DressButton->setEnabled(false);
  }
  if (use == BackpackUse::BattleScroll || use == BackpackUse::TownTeleport ||
      use == BackpackUse::MasterTeleport)
    ShowWearCaption(true);
}

void TForm5::BackButtonClick() {
  LeaveToMenu([this] { PlayLeave(); });
}

void TForm5::PlayLeave() { game_.sound.Play("sound\\ПИ выход.wav"); }

void TForm5::FormClose(QCloseEvent* event) {
  ConfirmCloseToMenu(event, [this] { PlayLeave(); });
}
