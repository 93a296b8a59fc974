#include "shell/NickUnit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/Game.h"

TForm4::TForm4(Game& game) : Screen(game, "TForm4", 290, 140) {
  SetCaption("Вход");
  Label1 = MakeLabel("Label1", "Ваш ник:", 16, 22);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(120, 18, 150, 24);
  Edit1->setMaxLength(10);
  Label2 = MakeLabel("Label2", "Ваш пароль:", 16, 58);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setGeometry(120, 54, 150, 24);
  Edit2->setMaxLength(15);
  Edit2->setEchoMode(QLineEdit::Password);
  Edit2->setStyleSheet("lineedit-password-character: 42");
  Button =
      MakeButton("Button", "Войти", "Войти в игру под введённым ником", QRect(95, 94, 100, 30));
  SetDefaultButton(Button);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Button);
  connect(Button, &QPushButton::clicked, this, &TForm4::ButtonClick);
}

bool TForm4::FormKeyPress(int code) {
  if (code == 27) {
    game_.Quit();
    return true;
  }
  return Screen::FormKeyPress(code);
}

void TForm4::ButtonClick() {}

void TForm4::FormClose(QCloseEvent* event) {
  // The main window: closing it ends the program.
  event->ignore();
  game_.Quit();
}
