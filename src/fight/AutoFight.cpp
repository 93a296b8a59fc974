// The last move again with one key, and the auto-fight that repeats it at a pace
// the player can follow. Both tick the boxes through their handlers and press
// "Ход", so action points, the shield rule and the draws are those of clicks.

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "fight/MGUnit.h"
#include "shell/Game.h"

namespace {

// Slow enough to read each move's lines, quick enough that a fight of eighty
// moves takes half a minute.
constexpr int kAutoFightPaceMs = 400;
// A third of the maximum: room to drink a potion before the next blows.
constexpr int kDefaultThresholdPercent = 33;

// While the auto-fight runs, the first key or mouse press anywhere in the game
// stops it and goes no further, so that a hurried Esc stops rather than surrenders.
class AutoFightInterrupt : public QObject {
 public:
  explicit AutoFightInterrupt(TForm1& form) : QObject(&form), form_(form) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        return form_.InterruptAutoFight();
      default:
        return false;
    }
  }

 private:
  TForm1& form_;
};

}  // namespace

void TForm1::CreateAutoFightControls() {
  MoveNumberLabel = MakeLabel("MoveNumberLabel", "", 380, 6);
  MoveNumberLabel->setGeometry(380, 6, 142, 18);
  MoveNumberLabel->setAlignment(Qt::AlignCenter);

  RepeatButton = MakeButton("RepeatButton", tr("Повторить"),
                            tr("Повторить прошлый ход (клавиша G, П)"), QRect(391, 392, 120, 30));
  AutoFightButton =
      MakeButton("AutoFightButton", tr("Автобой"),
                 tr("Повторять прошлый ход, пока бой не кончится, соперник не сменится или ХП не "
                    "упадут ниже порога; любая клавиша или щелчок остановит (клавиша F, А)"),
                 QRect(391, 428, 120, 30));
  ThresholdLabel = MakeLabel("ThresholdLabel", tr("Стоп при ХП ниже:"), 380, 466);
  ThresholdLabel->setGeometry(380, 466, 142, 20);
  ThresholdLabel->setAlignment(Qt::AlignCenter);
  ThresholdSpinBox = new QSpinBox(this);
  ThresholdSpinBox->setObjectName("ThresholdSpinBox");
  ThresholdSpinBox->setGeometry(406, 490, 90, 26);
  ThresholdSpinBox->setRange(0, 100);
  ThresholdSpinBox->setSuffix(" %");
  ThresholdSpinBox->setValue(kDefaultThresholdPercent);
  ThresholdSpinBox->setAccessibleName(tr("Стоп автобоя при ХП ниже, процентов"));
  ThresholdLabel->setBuddy(ThresholdSpinBox);

  AutoFightTimer = new QTimer(this);
  AutoFightTimer->setObjectName("AutoFightTimer");
  AutoFightTimer->setInterval(kAutoFightPaceMs);
  // One shot a step: no step can start while another waits in a message box.
  AutoFightTimer->setSingleShot(true);
  // Each step, and each stop by a key or a click, is an input of its own for a recording.
  connect(AutoFightTimer, &QTimer::timeout, this,
          game_.input.Timed("step TForm1.AutoFightStep", [this] { AutoFightStep(); }));
  interruptAutoFight_ = game_.input.Timed("step TForm1.StopAutoFight", [this] { StopAutoFight(); });
  autoFightInterrupt_ = new AutoFightInterrupt(*this);

  OnInput(RepeatButton, &QPushButton::clicked, &TForm1::RepeatButtonClick);
  OnInput(AutoFightButton, &QPushButton::clicked, &TForm1::AutoFightButtonClick);
  // The threshold is read by every step: its changes are inputs.
  OnInput(ThresholdSpinBox, &QSpinBox::valueChanged, &TForm1::RefreshAutoFightControls);
  RefreshAutoFightControls();
}

void TForm1::RefreshMoveNumber() { MoveNumberLabel->setText(tr("Ход %1").arg(Fight.MoveNumber)); }

void TForm1::RefreshAutoFightControls() {
  RepeatButton->setEnabled(lastMove_.has_value());
  AutoFightButton->setEnabled(lastMove_.has_value());
  AutoFightButton->setText(autoFighting_ ? tr("Стоп") : tr("Автобой"));
  ThresholdSpinBox->setToolTip(
      tr("Доля наибольших ХП, ниже которой автобой остановится: сейчас %1 ХП")
          .arg(AutoFightStopHP()));
}

int TForm1::AutoFightStopHP() const { return game_.state.AttHP * ThresholdSpinBox->value() / 100; }

void TForm1::RepeatButtonClick() {
  if (!lastMove_) return;
  UntickAllBoxes();
  // Clicks, not ticks: a greyed-out block stays unticked, as under the mouse.
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    if (lastMove_->Strikes[zone]) CheckBoxes[zone]->click();
  }
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    if (lastMove_->Blocks[zone]) CheckBoxes[zone + kZoneCount]->click();
  }
  MoveButton->click();
}

void TForm1::AutoFightButtonClick() {
  if (autoFighting_) {
    StopAutoFight();
    return;
  }
  if (!lastMove_ || isHidden()) return;
  autoFighting_ = true;
  // Installed last, it sees every key before the screens' own key handling.
  qApp->installEventFilter(autoFightInterrupt_);
  RefreshAutoFightControls();
  AutoFightTimer->start();
}

void TForm1::AutoFightStep() {
  if (!autoFighting_) return;
  const int opponent = Fight.CurrentIndex;
  const int moveNumber = Fight.MoveNumber;
  const int stopHP = AutoFightStopHP();
  const bool aboveThreshold = game_.state.MoveAttHP >= stopHP;
  RepeatButtonClick();
  const bool fellBelow = aboveThreshold && game_.state.MoveAttHP < stopHP;
  const bool refused = Fight.MoveNumber == moveNumber;
  if (isHidden() || refused || Fight.CurrentIndex != opponent || fellBelow) {
    StopAutoFight();
    return;
  }
  // A message box of the move may have stopped it already.
  if (autoFighting_) AutoFightTimer->start();
}

void TForm1::StopAutoFight() {
  AutoFightTimer->stop();
  if (!autoFighting_) return;
  autoFighting_ = false;
  // Safe from inside the filter itself.
  qApp->removeEventFilter(autoFightInterrupt_);
  RefreshAutoFightControls();
}

bool TForm1::InterruptAutoFight() {
  if (!autoFighting_) return false;
  interruptAutoFight_();
  return true;
}
