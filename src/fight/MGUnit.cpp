#include "fight/MGUnit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <ctime>

#include "core/Translate.h"
#include "fight/Resolution.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

constexpr int kPlayerLeft = 5;
constexpr int kOpponentLeft = 527;
constexpr int kSideWidth = 370;
// The figures are the inventory's at a little over three quarters of its size; the value
// column stands right of them.
constexpr double kFigureScale = 0.78;
constexpr int kValuesLeft = 250;

// The value column of either side: label name, caption, the player's and the
// opponent's value.
struct ValueLine {
  const char* name;
  const char* caption;
  int GameState::*player;
  int OpponentRecord::*opponent;
};
constexpr ValueLine kValueLines[] = {
    {"Power", QT_TRANSLATE_NOOP("Labels", "Сила: "), &GameState::AttPower, &OpponentRecord::Power},
    {"Dexterity", QT_TRANSLATE_NOOP("Labels", "Ловкость: "), &GameState::AttDexterity,
     &OpponentRecord::Dexterity},
    {"GoodLuck", QT_TRANSLATE_NOOP("Labels", "Удача: "), &GameState::AttGoodLuck,
     &OpponentRecord::GoodLuck},
    {"Health", QT_TRANSLATE_NOOP("Labels", "Здоровье: "), &GameState::AttHealth,
     &OpponentRecord::Health},
    {"Kick", QT_TRANSLATE_NOOP("Labels", "Удар: "), &GameState::AttKick, &OpponentRecord::Kick},
    {"KB", QT_TRANSLATE_NOOP("Labels", "Класс брони: "), &GameState::AttKB, &OpponentRecord::KB},
    {"Ulov", QT_TRANSLATE_NOOP("Labels", "Уловка: "), &GameState::AttUlov, &OpponentRecord::Ulov},
    {"Toch", QT_TRANSLATE_NOOP("Labels", "Точность: "), &GameState::AttToch, &OpponentRecord::Toch},
    {"Sokr", QT_TRANSLATE_NOOP("Labels", "Сокрушение: "), &GameState::AttSokr,
     &OpponentRecord::Sokr},
    {"Stoi", QT_TRANSLATE_NOOP("Labels", "Стойкость: "), &GameState::AttStoi,
     &OpponentRecord::Stoi},
};

const char* const kBoxCaptions[9] = {
    "",
    QT_TRANSLATE_NOOP("Fight", "Удар в голову"),
    QT_TRANSLATE_NOOP("Fight", "Удар в торс"),
    QT_TRANSLATE_NOOP("Fight", "Удар в живот"),
    QT_TRANSLATE_NOOP("Fight", "Удар по ногам"),
    QT_TRANSLATE_NOOP("Fight", "Блок головы"),
    QT_TRANSLATE_NOOP("Fight", "Блок торса"),
    QT_TRANSLATE_NOOP("Fight", "Блок живота"),
    QT_TRANSLATE_NOOP("Fight", "Блок ног"),
};

// The number fields of an opponent as the script mode names them.
struct OpponentField {
  const char* name;
  int OpponentRecord::*member;
};
constexpr OpponentField kOpponentFields[] = {
    {"Kind", &OpponentRecord::Kind},
    {"HP", &OpponentRecord::HP},
    {"CurHP", &OpponentRecord::CurHP},
    {"Power", &OpponentRecord::Power},
    {"Dexterity", &OpponentRecord::Dexterity},
    {"GoodLuck", &OpponentRecord::GoodLuck},
    {"Health", &OpponentRecord::Health},
    {"Kick", &OpponentRecord::Kick},
    {"KB", &OpponentRecord::KB},
    {"Ulov", &OpponentRecord::Ulov},
    {"Toch", &OpponentRecord::Toch},
    {"Sokr", &OpponentRecord::Sokr},
    {"Stoi", &OpponentRecord::Stoi},
    {"StrikesPerMove", &OpponentRecord::StrikesPerMove},
};

// The whole-number members of a fight, for the script mode.
struct FightNumber {
  const char* name;
  int FightState::*value;
};
constexpr FightNumber kFightNumbers[] = {
    {"CurrentIndex", &FightState::CurrentIndex},
    {"MoveNumber", &FightState::MoveNumber},
    // the opponent's choices of the move
    {"OppStrikeZone", &FightState::OppStrikeZone},
    {"BlockPattern", &FightState::BlockPattern},
    {"StrikePattern", &FightState::StrikePattern},
    {"PlayerBlocked", &FightState::PlayerBlocked},
    {"StrikesLeft", &FightState::StrikesLeft},
    {"DamageToPlayer", &FightState::DamageToPlayer},
    {"DamageToOpponent", &FightState::DamageToOpponent},
    // potions and scrolls
    {"PoisonActive", &FightState::PoisonActive},
    {"PoisonRefused", &FightState::PoisonRefused},
    {"HurricaneActive", &FightState::HurricaneActive},
    // the outcome and the loot
    {"LevelUpFlag", &FightState::LevelUpFlag},
    {"AnyDefeated", &FightState::AnyDefeated},
    {"FightOver", &FightState::FightOver},
    {"LootGroup", &FightState::LootGroup},
    {"ItemThreshold", &FightState::ItemThreshold},
    {"DiamondThreshold", &FightState::DiamondThreshold},
    {"GemThreshold", &FightState::GemThreshold},
    {"MoneyThreshold", &FightState::MoneyThreshold},
    {"LootChoice", &FightState::LootChoice},
    {"KillExp", &FightState::KillExp},
    {"MoneyFound", &FightState::MoneyFound},
};
// clang-format on

constexpr int kFirstBlockBox = 5;

bool IsStrikeBox(int box) { return box < kFirstBlockBox; }
int BlockBox(int zone) { return zone + kFirstBlockBox - 1; }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The opponent's column reads like the player's; a screen reader hears whose it is.
void SetOpponentText(QLabel* label, const QString& text) {
  label->setText(text);
  label->setAccessibleName(TForm1::tr("Соперник, %1").arg(text));
}

// Whether a typed character is one of a key's letters, in either case: the Latin one
// and the Russian layout's on the same key.
bool KeyIs(int code, const QString& letters) {
  const QString typed = QString(QChar(code)).toLower();
  return typed.size() == 1 && letters.contains(typed);
}

// The keys of the eight boxes: 1 … 4 strike, Q W E R block (Й Ц У К on the same
// keys of a Russian layout); none is 0.
int BoxOfKey(int code) {
  if (code >= '1' && code <= '4') return code - '1' + 1;
  const QString keys[] = {"qй", "wц", "eу", "rк"};
  for (int zone = 1; zone <= 4; ++zone) {
    if (KeyIs(code, keys[zone - 1])) return zone + 4;
  }
  return 0;
}

// The block keys name the Russian layout's letters too, where the Russian text is shown.
const char* const kBoxKeys[9] = {"",
                                 "1",
                                 "2",
                                 "3",
                                 "4",
                                 QT_TRANSLATE_NOOP("Fight", "Q (Й)"),
                                 QT_TRANSLATE_NOOP("Fight", "W (Ц)"),
                                 QT_TRANSLATE_NOOP("Fight", "E (У)"),
                                 QT_TRANSLATE_NOOP("Fight", "R (К)")};

std::string Number(int value) { return std::to_string(value); }

}  // namespace

TForm1::TForm1(Game& game) : Screen(game, "TForm1", 902, 565) {
  CreateControls();
  BindMembers();

  // The game's one generator is seeded here, once.
  game.random.Seed(game.options.seed ? *game.options.seed
                                     : static_cast<std::uint32_t>(std::time(nullptr)));
}

void TForm1::CreateControls() {
  AttFigure = CreateFigure("Att", kPlayerLeft, true);
  CreateFigure("Def", kOpponentLeft, false);
  CreateValueLabels("Att", kPlayerLeft);
  CreateValueLabels("Def", kOpponentLeft);
  CreateChoiceBoxes();

  AttAvatarImage = AttFigure.avatar;
  AttSodPoyas1Image = AttFigure.Slot("SodPoyas1");
  AttSodPoyas2Image = AttFigure.Slot("SodPoyas2");
  AttSodPoyas3Image = AttFigure.Slot("SodPoyas3");
  AttSodKarmanImage = AttFigure.Slot("SodKarman");
  AttKolchImage = AttFigure.Slot("Kolch");
  ConnectItemPictures();

  MoveButton = MakeButton("MoveButton", tr("Ход"), tr("Походить"), QRect(401, 270, 100, 30));
  ChangeButton =
      MakeButton("ChangeButton", tr("Сменить"), tr("Сменить соперника"), QRect(401, 310, 100, 30));
  ChangeButton->hide();
  BackButton =
      MakeButton("BackButton", tr("Сдаться"), tr("Признать поражение"), QRect(401, 350, 100, 30));
  SetDefaultButton(MoveButton);
  SetCancelButton(BackButton);
  OnInput(MoveButton, &QPushButton::clicked, &TForm1::MoveButtonClick);
  OnInput(ChangeButton, &QPushButton::clicked, &TForm1::ChangeButtonClick);
  OnInput(BackButton, &QPushButton::clicked, &TForm1::BackButtonClick);

  ListBox1 = MakeListBox("ListBox1", QRect(kPlayerLeft, 324, kSideWidth, 236));
  ListBox2 = MakeListBox("ListBox2", QRect(kOpponentLeft, 324, kSideWidth, 236));
  for (ListBox* list : {ListBox1, ListBox2}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setCursor(Qt::CrossCursor);
  }
  CreateAutoFightControls();
  ListBox1->setAccessibleName(tr("Ваши удары"));
  ListBox2->setAccessibleName(tr("Удары соперника"));
  AttAvatarImage->SetAccessibleLabel(tr("Ваш образ"));
  MakeKeyboardPlay();
}

// The choices first, then the buttons, the belt and the pocket, the two logs.
void TForm1::MakeKeyboardPlay() {
  for (PictureBox* item :
       {AttSodPoyas1Image, AttSodPoyas2Image, AttSodPoyas3Image, AttSodKarmanImage})
    item->SetFocusable();
  SetTabOrder({CheckBoxes[1],     CheckBoxes[2],     CheckBoxes[3],     CheckBoxes[4],
               CheckBoxes[5],     CheckBoxes[6],     CheckBoxes[7],     CheckBoxes[8],
               MoveButton,        ChangeButton,      BackButton,        RepeatButton,
               AutoFightButton,   ThresholdSpinBox,  AttSodPoyas1Image, AttSodPoyas2Image,
               AttSodPoyas3Image, AttSodKarmanImage, ListBox1,          ListBox2});
  // "Сменить" or a block box disabled under the focus would hand it on towards
  // "Сдаться"; the keys of the fight work on the screen without a focused control.
  SetSafeFocus(this);
}

bool TForm1::FormKeyPress(int code) {
  if (Screen::FormKeyPress(code)) return true;
  QPushButton* button = KeyIs(code, "gп")   ? RepeatButton
                        : KeyIs(code, "fа") ? AutoFightButton
                                            : nullptr;
  if (button) {
    button->click();
    return true;
  }
  const int box = BoxOfKey(code);
  if (box == 0) return false;
  // As a click: a greyed-out block ignores its key.
  CheckBoxes[box]->click();
  return true;
}

SlotFigure TForm1::CreateFigure(const QString& side, int left, bool withChainMail) {
  const QString whose = side == "Def" ? tr("%1 соперника") : "";
  const SlotFigure figure = MakeSlotFigure(
      this, game_.folder, {side, QPoint(left + 5, 28), kFigureScale, withChainMail, whose});
  // Below the armour there is no room here: the chain mail stands beside it.
  if (PictureBox* chainMail = figure.Slot("Kolch")) {
    const QRect armour = figure.Slot("Bronya")->geometry();
    chainMail->move(armour.right() + 4, armour.top());
  }
  return figure;
}

void TForm1::CreateValueLabels(const QString& side, int left) {
  MakeLabel(side + "HPLabel", "", left + 5, 6)->resize(kSideWidth - 10, 18);
  int top = 28;
  for (const auto& line : kValueLines) {
    MakeLabel(QString("%1%2Label").arg(side, line.name), "", left + kValuesLeft, top)
        ->resize(kSideWidth - kValuesLeft, 18);
    top += 20;
  }
  MakeLabel(side + "Label", "", left + 5, 300)->resize(kSideWidth - 10, 18);
}

void TForm1::CreateChoiceBoxes() {
  for (int box = 1; box <= 8; ++box) {
    const int top = IsStrikeBox(box) ? 30 + 24 * (box - 1) : 130 + 24 * (box - kFirstBlockBox);
    CheckBoxes[box] =
        MakeCheckBox(QString("CheckBox%1").arg(box),
                     Text(mg::translate("Fight", kBoxCaptions[box])), QRect(385, top, 135, 22));
    CheckBoxes[box]->setCursor(Qt::PointingHandCursor);
    CheckBoxes[box]->setToolTip(tr("Клавиша ") + Text(mg::translate("Fight", kBoxKeys[box])));
    // Toggled, not clicked: the program's unticking must run the handler too.
    OnInput(CheckBoxes[box], &QCheckBox::toggled, [this, box] { CheckBoxClick(box); });
  }
  AttODLabel = MakeLabel("AttODLabel", "", 380, 226);
  AttODLabel->setGeometry(380, 226, 142, 36);
  AttODLabel->setAlignment(Qt::AlignCenter);
  AttODLabel->setWordWrap(true);
}

void TForm1::BindMembers() {
  Bindings& b = game_.bindings;
  FightState& f = Fight;
  const auto bindOpponent = [&b](const std::string& prefix, OpponentRecord& opponent) {
    b.Bind(prefix + ".Name", opponent.Name);
    for (const auto& field : kOpponentFields)
      b.Bind(prefix + "." + field.name, opponent.*field.member);
  };
  bindOpponent("TForm1.CurrentOpponent", f.CurrentOpponent);
  for (int i = 1; i <= 3; ++i)
    bindOpponent("TForm1.OpponentSlots[" + Number(i) + "]", f.OpponentSlots[i]);

  for (const auto& member : kBaseStatMembers)
    b.Bind(std::string("TForm1.BaseStats.") + member.name, f.BaseStats.*member.base);

  for (const auto& member : kFightNumbers)
    b.Bind(std::string("TForm1.") + member.name, f.*member.value);
  b.Bind("TForm1.ItemName", f.ItemName);
  b.Bind("TForm1.ExpBonus", f.ExpBonus);
  for (int zone = 1; zone <= kZoneCount; ++zone)
    b.Bind("TForm1.OppBlocks[" + Number(zone) + "]", f.OppBlocks[zone]);
  for (int roll = 1; roll <= 7; ++roll)
    b.Bind("TForm1.LootRolls[" + Number(roll) + "]", f.LootRolls[roll]);
}

QLabel* TForm1::Label(const QString& name) const { return findChild<QLabel*>(name); }

PictureBox* TForm1::Picture(const QString& name) const { return findChild<PictureBox*>(name); }

void TForm1::FormShow() {
  GameState& state = game_.state;
  game_.sound.Play("sound\\Бой.wav");
  const bool second = FillOpponentSlots(Fight, state, game_.form3->AttackerKinds, game_.random);
  ChangeButton->setVisible(second);
  ChangeButton->setEnabled(second);
  Fight.CurrentIndex = 1;
  Fight.MoveNumber = 0;
  Fight.AnyDefeated = 0;
  LoadFightPictures();
  ShowSlotHints(state, AttFigure, kEmptySlot);

  Fight.LootChoice = 0;
  Fight.HurricaneActive = 0;
  Fight.ExpBonus = 0;
  Fight.PoisonActive = 0;
  Fight.LevelUpFlag = 0;
  Fight.KillExp = 0;
  state.DamageTaken = 0;
  state.DamageDealt = 0;

  Fight.BaseStats = CaptureBaseStats(state);
  RefreshFightLabels();
}

void TForm1::FormClose(QCloseEvent* event) {
  event->ignore();
  // No automatic move while the question waits.
  StopAutoFight();
  if (game_.dialogs.ConfirmExit()) {
    game_.Quit();
    return;
  }
  // "Нет" ends the fight as a surrender.
  BackButtonClick();
}

void TForm1::RefreshFightLabels() {
  const GameState& state = game_.state;
  const OpponentRecord& opponent = Fight.CurrentOpponent;
  for (const auto& line : kValueLines) {
    Label(QString("Att%1Label").arg(line.name))
        ->setText(Text(mg::translate("Labels", line.caption) + Number(state.*line.player)));
    SetOpponentText(Label(QString("Def%1Label").arg(line.name)),
                    Text(mg::translate("Labels", line.caption) + Number(opponent.*line.opponent)));
  }
  Label("AttHPLabel")
      ->setText(Text(state.Nick + " [" + Number(state.AttLevel) +
                     mg::translate("Labels", "] | ХП: [") + Number(state.MoveAttHP) + "/" +
                     Number(state.AttHP) + "]"));
  SetOpponentText(Label("DefHPLabel"),
                  Text(mg::translate("Monster", opponent.Name.c_str()) + " [" +
                       Number(state.OpponentKind) + mg::translate("Labels", "] | ХП: [") +
                       Number(opponent.CurHP) + "/" + Number(opponent.HP) + "]"));
  Label("AttLabel")
      ->setText(Text(mg::translate("Fight", "Нанесённый Вами урон: ") + Number(state.DamageDealt)));
  Label("DefLabel")
      ->setText(Text(mg::translate("Fight", "Нанесённый соперником(ами) урон: ") +
                     Number(state.DamageTaken)));
  RefreshODLabel();
  RefreshMoveNumber();
  RefreshAutoFightControls();
}

void TForm1::RefreshODLabel() {
  AttODLabel->setText(
      Text(mg::translate("Fight", "Кол-во оставшихся ОД: ") + Number(game_.state.AttOD)));
}

void TForm1::LoadFightPictures() {
  const GameState& state = game_.state;
  AttAvatarImage->Load(state.Avatar);
  ShowSlotPictures(state, AttFigure);

  for (const auto& picture : OpponentPictures(state.OpponentKind))
    Picture(QString("Def%1Image").arg(picture.slot))->Load(picture.path);
}

void TForm1::RestoreBaseStats() { ::RestoreBaseStats(Fight.BaseStats, game_.state); }

void TForm1::CheckBoxClick(int box) {
  const bool ticked = CheckBoxes[box]->isChecked();
  if (IsStrikeBox(box)) {
    StrikeBoxClick(box, ticked);
  } else {
    BlockBoxClick(box - kFirstBlockBox + 1, ticked);
  }
  RefreshODLabel();
}

void TForm1::StrikeBoxClick(int zone, bool ticked) {
  int others = 0;
  for (int other = 1; other <= kZoneCount; ++other) {
    if (other != zone && CheckBoxes[other]->isChecked()) ++others;
  }
  game_.state.AttOD += ticked ? -StrikeCost(others) : StrikeCost(others);
}

void TForm1::BlockBoxClick(int zone, bool ticked) {
  game_.state.AttOD += ticked ? -kBlockCost : kBlockCost;
  // With a shield every block may be ticked; without one, at most two.
  if (game_.state.ShitTrue == 1) return;
  for (int other = 1; other <= kZoneCount; ++other) {
    if (other == zone || !CheckBoxes[BlockBox(other)]->isChecked()) continue;
    for (int rest = 1; rest <= kZoneCount; ++rest) {
      if (rest != zone && rest != other) CheckBoxes[BlockBox(rest)]->setEnabled(!ticked);
    }
  }
}

void TForm1::UntickAllBoxes() {
  for (int box = 1; box <= 8; ++box) CheckBoxes[box]->setChecked(false);
}

bool TForm1::AnyBoxTicked() const {
  for (int box = 1; box <= 8; ++box) {
    if (CheckBoxes[box]->isChecked()) return true;
  }
  return false;
}

void TForm1::MoveButtonClick() {
  // A fight runs exactly while its screen is shown; a move after its end (the
  // script mode can still click) would fight the beaten opponent again.
  if (isHidden()) return;
  if (!AnyBoxTicked()) {
    game_.Refuse(tr("Ошибка"), tr("Вы не выбрали ни одного удара/блока."));
    return;
  }
  if (game_.state.AttOD < 0) {
    game_.Refuse(tr("Ошибка"), tr("Вам не хватает ОД для выбранных действий."));
    return;
  }
  MoveChoices choices;
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    choices.Strikes[zone] = CheckBoxes[zone]->isChecked();
    choices.Blocks[zone] = CheckBoxes[BlockBox(zone)]->isChecked();
  }
  lastMove_ = choices;
  ++Fight.MoveNumber;
  ListBox1->clear();
  ListBox2->clear();
  const MoveLog log = ResolveMove(game_.state, Fight, choices, game_.random, game_.sound);
  ListBox1->SetLines(log.PlayerLines);
  ListBox2->SetLines(log.OpponentLines);
  UntickAllBoxes();
  RefreshFightLabels();
  Fight.FightOver = 0;
  if (!CheckFightOutcome()) StoreCurrentOpponent(Fight);
}

void TForm1::ChangeButtonClick() {
  GameState& state = game_.state;
  SwitchOpponent(Fight, state, game_.form3->AttackerKinds);
  if (AtMostOneAlive(Fight)) ChangeButton->setEnabled(false);
  UntickAllBoxes();
  ListBox1->clear();
  ListBox2->clear();
  LoadFightPictures();
  RefreshFightLabels();
}

void TForm1::BackButtonClick() { Surrender(); }
