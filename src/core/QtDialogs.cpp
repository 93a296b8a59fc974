#include "core/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void QtDialogs::Message(const std::string& caption, MessageIcon icon, const std::string& text) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  pause_(true);
  box.exec();
  pause_(false);
}

bool QtDialogs::ConfirmExit() {
  pause_(true);
  const bool yes = confirm_();
  pause_(false);
  return yes;
}

bool QtDialogs::Ask(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.button(QMessageBox::Yes)->setText("Да");
  box.button(QMessageBox::No)->setText("Нет");
  box.setDefaultButton(QMessageBox::Yes);
  pause_(true);
  const bool yes = box.exec() == QMessageBox::Yes;
  pause_(false);
  return yes;
}

void QtDialogs::Error(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                  QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
  pause_(true);
  box.exec();
  pause_(false);
}
