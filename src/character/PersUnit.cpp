#include "character/PersUnit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "character/SkillPoints.h"
#include "inventory/StatPoints.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"

namespace {

// A label that reads a prefix and one member of GameState.
struct NumberLabel {
  const char* name;
  const char* prefix;
  int GameState::*value;
  int left;
  int top;
  int width;
};

// The left column's values have room for four digits: the upper four up to
// their "+" buttons, the lower six up to the armour pictures.
constexpr int kUpperWidth = 100;
constexpr int kLowerWidth = 118;
constexpr int kPlusLeft = 73 + kUpperWidth;

// Refreshed by the timer: the left column as on the inventory, then the right.
constexpr NumberLabel kRefreshedLabels[] = {
    {"PowerLabel", QT_TRANSLATE_NOOP("Labels", "Сила: "), &GameState::AttPower, 73, 325,
     kUpperWidth},
    {"DexterityLabel", QT_TRANSLATE_NOOP("Labels", "Ловкость: "), &GameState::AttDexterity, 73, 339,
     kUpperWidth},
    {"GoodLuckLabel", QT_TRANSLATE_NOOP("Labels", "Удача: "), &GameState::AttGoodLuck, 73, 353,
     kUpperWidth},
    {"HealthLabel", QT_TRANSLATE_NOOP("Labels", "Здоровье: "), &GameState::AttHealth, 73, 367,
     kUpperWidth},
    {"KickLabel", QT_TRANSLATE_NOOP("Labels", "Удар: "), &GameState::AttKick, 73, 387, kLowerWidth},
    {"KBLabel", QT_TRANSLATE_NOOP("Labels", "Класс брони: "), &GameState::AttKB, 73, 401,
     kLowerWidth},
    {"UlovLabel", QT_TRANSLATE_NOOP("Labels", "Уловка: "), &GameState::AttUlov, 73, 415,
     kLowerWidth},
    {"TochLabel", QT_TRANSLATE_NOOP("Labels", "Точность: "), &GameState::AttToch, 73, 429,
     kLowerWidth},
    {"SokrLabel", QT_TRANSLATE_NOOP("Labels", "Сокрушение: "), &GameState::AttSokr, 73, 443,
     kLowerWidth},
    {"StoiLabel", QT_TRANSLATE_NOOP("Labels", "Стойкость: "), &GameState::AttStoi, 73, 457,
     kLowerWidth},
    {"Label5", QT_TRANSLATE_NOOP("Labels", "Мирный опыт: "), &GameState::PointPeace, 273, 65, 170},
    {"StrannikLabel", QT_TRANSLATE_NOOP("Labels", "Странник: "), &GameState::Strannik, 273, 147,
     125},
    {"LesorubLabel", QT_TRANSLATE_NOOP("Labels", "Лесоруб: "), &GameState::Lesorub, 273, 161, 125},
};

// Written only when the screen is shown.
constexpr NumberLabel kShownLabels[] = {
    {"Label4", QT_TRANSLATE_NOOP("Labels", "Боевой опыт: "), &GameState::Point, 273, 51, 170},
    {"Label1", QT_TRANSLATE_NOOP("Labels", "Победы: "), &GameState::Win, 273, 99, 170},
    {"Label2", QT_TRANSLATE_NOOP("Labels", "Поражения: "), &GameState::Lose, 273, 113, 170},
    {"Label3", QT_TRANSLATE_NOOP("Labels", "Ничьи: "), &GameState::Noup, 273, 127, 170},
};

constexpr int kLabelHeight = 14;
constexpr int kAvatarCount = 25;
constexpr QRect kMoneyFrame(178, 12, 95, kLabelHeight);

std::string AvatarPath(int n) { return "image\\" + std::to_string(n) + ".bmp"; }

QString NumberText(const NumberLabel& label, const GameState& state) {
  return QCoreApplication::translate("Labels", label.prefix) + QString::number(state.*label.value);
}

}  // namespace

TForm7::TForm7(Game& game) : Screen(game, "TForm7", 451, 481) {
  static_assert(std::size(kRefreshedLabels) == std::tuple_size_v<decltype(refreshedLabels_)>);
  static_assert(std::size(kShownLabels) == std::tuple_size_v<decltype(shownLabels_)>);
  // Only shows: no picture of the figure takes clicks here.
  Figure = MakeSlotFigure(this, game.folder);
  MakeValueLabels();
  MakeLeftColumn();
  MakeRightColumn();
  BackButton =
      MakeButton("BackButton", tr("Вернуться"), tr("Вернуться в меню"), QRect(363, 10, 80, 30));
  SetCancelButton(BackButton);
  connect(BackButton, &QPushButton::clicked, this, &TForm7::BackButtonClick);
  // The figure takes the focus only to be read: what each slot holds.
  SetTabOrder(Figure.SetFocusable(),
              {"PowerButton", "DexterityButton", "GoodLuckButton", "HealthButton", "StrannikButton",
               "LesorubButton", "AvatarListBox", "BackButton"});
  // The last point spent hides the "+" under the focus; a repeated key must not
  // spend a skill point on the next one.
  SetSafeFocus(AvatarListBox);
  SetAccessibleNames({{"AvatarListBox", tr("Образы")}});
}

// Labels whose text changes get a fixed frame, so a longer text is not cut off.
QLabel* TForm7::MakeValueLabel(const char* name, int left, int top, int width) {
  QLabel* label = MakeLabel(name, "", left, top);
  label->resize(width, kLabelHeight);
  return label;
}

void TForm7::MakeValueLabels() {
  for (std::size_t i = 0; i < refreshedLabels_.size(); ++i) {
    const NumberLabel& label = kRefreshedLabels[i];
    refreshedLabels_[i] = MakeValueLabel(label.name, label.left, label.top, label.width);
  }
  for (std::size_t i = 0; i < shownLabels_.size(); ++i) {
    const NumberLabel& label = kShownLabels[i];
    shownLabels_[i] = MakeValueLabel(label.name, label.left, label.top, label.width);
  }
}

void TForm7::MakeLeftColumn() {
  // From the figure's left edge to the back button: a long nick with
  // five-digit hit points shows whole.
  HPLabel = MakeValueLabel("HPLabel", 8, 35, 350);
  MoneyLabel =
      MakeValueLabel("MoneyLabel", kMoneyFrame.left(), kMoneyFrame.top(), kMoneyFrame.width());
  MoneyLabel->setAlignment(Qt::AlignHCenter);
  PowerButton =
      MakePlusButton("PowerButton", tr("+1 к силе"), kPlusLeft, 325, &TForm7::PowerButtonClick);
  DexterityButton = MakePlusButton("DexterityButton", tr("+1 к ловкости"), kPlusLeft, 339,
                                   &TForm7::DexterityButtonClick);
  GoodLuckButton = MakePlusButton("GoodLuckButton", tr("+1 к удаче"), kPlusLeft, 353,
                                  &TForm7::GoodLuckButtonClick);
  HealthButton = MakePlusButton("HealthButton", tr("+1 к здоровью"), kPlusLeft, 367,
                                &TForm7::HealthButtonClick);
}

void TForm7::MakeRightColumn() {
  Label6 = MakeValueLabel("Label6", 273, 79, 170);
  StrannikButton = MakePlusButton("StrannikButton", tr("+1 к страннику"), 402, 147,
                                  &TForm7::StrannikButtonClick);
  LesorubButton =
      MakePlusButton("LesorubButton", tr("+1 к лесорубу"), 402, 161, &TForm7::LesorubButtonClick);
  UmLabel = MakeValueLabel("UmLabel", 273, 184, 170);
  UluchLabel = MakeValueLabel("UluchLabel", 273, 371, 170);
  for (QLabel* red : {UmLabel, UluchLabel}) red->setStyleSheet("color: red");
  MakeLabel("AvatarLabel", tr("Образы:"), 273, 212);
  AvatarListBox = MakeListBox("AvatarListBox", QRect(273, 227, 150, 134));
  for (int n = 1; n <= kAvatarCount; ++n) AvatarListBox->AddLine(std::to_string(n));
  connect(AvatarListBox, &ListBox::Click, this, &TForm7::AvatarListBoxClick);
}

QPushButton* TForm7::MakePlusButton(const QString& name, const QString& hint, int left, int top,
                                    void (TForm7::*handler)()) {
  QPushButton* button = MakeButton(name, "+", hint, QRect(left, top, 16, kLabelHeight));
  connect(button, &QPushButton::clicked, this, handler);
  return button;
}

void TForm7::TimerTimer() {
  const GameState& s = game_.state;
  for (std::size_t i = 0; i < refreshedLabels_.size(); ++i) {
    if (refreshedValues_[i].Changed(s.*kRefreshedLabels[i].value))
      refreshedLabels_[i]->setText(NumberText(kRefreshedLabels[i], s));
  }
  if (hitPoints_.Changed({s.Nick, s.AttLevel, s.MoveAttHP, s.AttHP})) {
    HPLabel->setText(QString::fromStdString(s.Nick) + " [" + QString::number(s.AttLevel) +
                     QCoreApplication::translate("Labels", "] | ХП: [") +
                     QString::number(s.MoveAttHP) + "/" + QString::number(s.AttHP) + "]");
  }
  // Shown as computed: a character past the step reads a negative number.
  const int toNextLevel = s.PointLev - s.Point - s.PointPeace;
  if (toNextLevel_.Changed(toNextLevel))
    Label6->setText(tr("До уровня: ") + QString::number(toNextLevel));
  if (statPoints_.Changed(s.PointPar)) {
    UluchLabel->setText(QString::fromStdString(StatPointsLeftText(s.PointPar)));
  }
  if (skillPoints_.Changed(s.PointUm)) {
    UmLabel->setText(QString::fromStdString(SkillPointsLeftText(s.PointUm)));
  }
  ShowPointButtons();
}

// setVisible returns at once when nothing changes.
void TForm7::ShowPointButtons() {
  const GameState& s = game_.state;
  const bool statPoints = s.PointPar > 0;
  UluchLabel->setVisible(statPoints);
  for (QPushButton* button : {PowerButton, DexterityButton, GoodLuckButton, HealthButton})
    button->setVisible(statPoints);
  const bool skillPoints = s.PointUm > 0;
  UmLabel->setVisible(skillPoints);
  StrannikButton->setVisible(skillPoints && SkillBelowCap(s, Skill::Strannik));
  LesorubButton->setVisible(skillPoints && SkillBelowCap(s, Skill::Lesorub));
}

void TForm7::FormShow() {
  const GameState& s = game_.state;
  game_.sound.Play("sound\\ПИ вход.wav");
  ShowMoney(MoneyLabel, kMoneyFrame);
  for (std::size_t i = 0; i < shownLabels_.size(); ++i)
    shownLabels_[i]->setText(NumberText(kShownLabels[i], s));
  Figure.avatar->Load(s.Avatar);
  ShowSlotPictures(s, Figure);
  ShowSlotHints(s, Figure);
  ChooseAvatarLine();
}

void TForm7::ChooseAvatarLine() {
  for (int n = 1; n <= kAvatarCount; ++n) {
    if (AvatarPath(n) == game_.state.Avatar) {
      AvatarListBox->setCurrentRow(n - 1);
      return;
    }
  }
  AvatarListBox->setCurrentRow(-1);
}

void TForm7::AvatarListBoxClick() {
  const int line = AvatarListBox->currentRow();
  if (line < 0) return;
  game_.state.Avatar = AvatarPath(line + 1);
  Figure.avatar->Load(game_.state.Avatar);
}

void TForm7::PowerButtonClick() { SpendStatPoint(game_.state, StatPointTarget::Power); }
void TForm7::DexterityButtonClick() { SpendStatPoint(game_.state, StatPointTarget::Dexterity); }
void TForm7::GoodLuckButtonClick() { SpendStatPoint(game_.state, StatPointTarget::GoodLuck); }
void TForm7::HealthButtonClick() { SpendStatPoint(game_.state, StatPointTarget::Health); }
void TForm7::StrannikButtonClick() { SpendSkillPoint(game_.state, Skill::Strannik); }
void TForm7::LesorubButtonClick() { SpendSkillPoint(game_.state, Skill::Lesorub); }

void TForm7::BackButtonClick() {
  LeaveToMenu([this] { PlayLeave(); });
}

void TForm7::PlayLeave() { game_.sound.Play("sound\\ПИ выход.wav"); }

void TForm7::FormClose(QCloseEvent* event) {
  ConfirmCloseToMenu(event, [this] { PlayLeave(); });
}
