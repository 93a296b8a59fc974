#include "shell/Question.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>

#include "core/Dialogs.h"
#include "shell/Game.h"

TForm6::TForm6(Game& game) : Screen(game, "TForm6", 280, 110) {
  SetCaption(mg::translate("Question", kConfirmCaption));
  setWindowModality(Qt::ApplicationModal);
  Label1 =
      MakeLabel("Label1", QString::fromStdString(mg::translate("Question", kConfirmText)), 20, 20);
  Label1->setGeometry(10, 18, 260, 20);
  Label1->setAlignment(Qt::AlignCenter);
  YesButton = MakeButton("YesButton", tr("Да"), tr("Да, хочу"), QRect(45, 60, 85, 30));
  NoButton = MakeButton("NoButton", tr("Нет"), tr("Нет, не хочу"), QRect(150, 60, 85, 30));
  SetDefaultButton(YesButton);
  SetCancelButton(NoButton);
  connect(YesButton, &QPushButton::clicked, this, [this] { Answer(true); });
  connect(NoButton, &QPushButton::clicked, this, [this] { Answer(false); });
}

bool TForm6::Ask() {
  answer_ = false;
  QEventLoop loop;
  loop_ = &loop;
  show();
  YesButton->setFocus();
  loop.exec();
  loop_ = nullptr;
  hide();
  return answer_;
}

void TForm6::Answer(bool yes) {
  answer_ = yes;
  if (loop_) loop_->quit();
}

void TForm6::FormClose(QCloseEvent* event) {
  event->ignore();
  Answer(false);
}
