#include "core/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>

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

void QtDialogs::Error(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                  QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
  pause_(true);
  box.exec();
  pause_(false);
}
