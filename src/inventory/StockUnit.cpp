#include "inventory/StockUnit.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "core/Format.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The refresh runs after every batch of events: an unchanged label costs nothing.
void SetLabel(QLabel* label, const std::string& text) {
  const QString shown = Text(text);
  if (label->text() == shown) return;
  label->setText(shown);
  label->adjustSize();
}

// A sum of roubles in its shortest form with the system's decimal separator.
std::string Roubles(float sum) {
  return FormatFloat(sum, QLocale::system().decimalPoint().at(0).toLatin1());
}

}  // namespace

TForm5::TForm5(Game& game) : Screen(game, "TForm5", 811, 481) {
  Figure = MakeSlotFigure(this, game.folder);
  MakeStatLabels();
  MakeLists();
  MakeButtons();
  game.bindings.Bind("TForm5.SelectedItem", SelectedItem);
}

void TForm5::MakeStatLabels() {
  HPLabel = MakeLabel("HPLabel", "", 73, 35);
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
  MakeLabel("Label1", "Параметры вещи:", 273, 35);
  ParamListBox = MakeListBox("ListBox", QRect(273, 51, 160, 220));
  MakeLabel("Label2", "Вещи в рюкзаке:", 445, 35);
  SubjectListBox = MakeListBox("SubjectListBox", QRect(445, 51, 170, 330));
  MakeLabel("Label3", "Бонусы:", 660, 50);
  TransListBox = MakeListBox("TransListBox", QRect(660, 66, 143, 110));
}

QPushButton* TForm5::MakePlusButton(const QString& name, const QString& hint, int top) {
  return MakeButton(name, "+", hint, QRect(168, top, 16, 14));
}

void TForm5::MakeButtons() {
  PowerButton = MakePlusButton("PowerButton", "+1 к силе", 325);
  DexterityButton = MakePlusButton("DexterityButton", "+1 к ловкости", 339);
  GoodLuckButton = MakePlusButton("GoodLuckButton", "+1 к удаче", 353);
  HealthButton = MakePlusButton("HealthButton", "+1 к здоровью", 367);
  connect(PowerButton, &QPushButton::clicked, this, &TForm5::PowerButtonClick);
  connect(DexterityButton, &QPushButton::clicked, this, &TForm5::DexterityButtonClick);
  connect(GoodLuckButton, &QPushButton::clicked, this, &TForm5::GoodLuckButtonClick);
  connect(HealthButton, &QPushButton::clicked, this, &TForm5::HealthButtonClick);

  DressButton = MakeButton("DressButton", "Надеть", "Надеть вещь", QRect(445, 387, 82, 25));
  SellButton =
      MakeButton("SellButton", "Продать", "Продать вещь за половину цены", QRect(533, 387, 82, 25));
  DragButton = MakeButton("DragButton", "->", "Переместить в бонусы", QRect(622, 90, 32, 25));
  Drag2Button = MakeButton("Drag2Button", "<-", "Переместить в рюкзак", QRect(622, 120, 32, 25));
  TransButton =
      MakeButton("TransButton", "Превратить", "Превратить бонусы", QRect(660, 182, 143, 25));

  BackButton = MakeButton("BackButton", "Вернуться", "Вернуться в меню", QRect(723, 10, 80, 30));
  SetCancelButton(BackButton);
  connect(BackButton, &QPushButton::clicked, this, &TForm5::BackButtonClick);
}

void TForm5::TimerTimer() {
  const GameState& s = game_.state;
  SetLabel(KickLabel, "Удар: " + std::to_string(s.AttKick));
  SetLabel(DexterityLabel, "Ловкость: " + std::to_string(s.AttDexterity));
  SetLabel(GoodLuckLabel, "Удача: " + std::to_string(s.AttGoodLuck));
  SetLabel(HealthLabel, "Здоровье: " + std::to_string(s.AttHealth));
  SetLabel(HPLabel, s.Nick + " [" + std::to_string(s.AttLevel) + "] | ХП: [" +
                        std::to_string(s.MoveAttHP) + "/" + std::to_string(s.AttHP) + "]");
  SetLabel(PowerLabel, "Сила: " + std::to_string(s.AttPower));
  SetLabel(KBLabel, "Класс брони: " + std::to_string(s.AttKB));
  SetLabel(UlovLabel, "Уловка: " + std::to_string(s.AttUlov));
  SetLabel(TochLabel, "Точность: " + std::to_string(s.AttToch));
  SetLabel(SokrLabel, "Сокрушение: " + std::to_string(s.AttSokr));
  SetLabel(StoiLabel, "Стойкость: " + std::to_string(s.AttStoi));
  SetLabel(UluchLabel, StatPointsLeftText(s.PointPar));
  const bool pointsLeft = s.PointPar > 0;
  const std::initializer_list<QWidget*> pointControls = {PowerButton, DexterityButton,
                                                         GoodLuckButton, HealthButton, UluchLabel};
  for (QWidget* control : pointControls) control->setVisible(pointsLeft);
}

void TForm5::SpendPoint(StatPointTarget target) { SpendStatPoint(game_.state, target); }

void TForm5::ShowMoney() {
  MoneyLabel->setText(Text("У вас: " + Roubles(game_.state.Money) + " руб."));
  MoneyLabel->setGeometry(358, 12, 95, MoneyLabel->sizeHint().height());
}

void TForm5::FormShow() {
  game_.sound.Play("sound\\ПИ вход.wav");
  ShowMoney();
  Figure.avatar->Load(game_.state.Avatar);
  ShowSlotPictures(game_.state, Figure);
  ShowSlotHints(game_.state, Figure);
  if (SubjectListBox->count() > 0) SubjectListBox->Choose(0);
  if (TransListBox->count() > 0) TransListBox->Choose(0);
}

void TForm5::BackButtonClick() {
  LeaveToMenu([this] { PlayLeave(); });
}

void TForm5::PlayLeave() { game_.sound.Play("sound\\ПИ выход.wav"); }

void TForm5::FormClose(QCloseEvent* event) {
  ConfirmCloseToMenu(event, [this] { PlayLeave(); });
}
