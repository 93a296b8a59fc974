#include "replay/ShownDialogs.h"

#include <QMessageBox>

ShownDialogs::~ShownDialogs() { CloseShown(); }

void ShownDialogs::Message(const std::string& caption, MessageIcon icon, const std::string& text) {
  RecordingDialogs::Message(caption, icon, text);
  Show(caption, icon == MessageIcon::Warning, QString::fromStdString(text));
}

bool ShownDialogs::Ask(const std::string& caption, const std::string& text) {
  const bool yes = RecordingDialogs::Ask(caption, text);
  Show(caption, true,
       QString::fromStdString(text) + "\n\n" +
           (yes ? QStringLiteral("→ Да") : QStringLiteral("→ Нет")));
  return yes;
}

void ShownDialogs::CloseShown() {
  for (const QPointer<QMessageBox>& box : shown_) {
    if (box) box->close();
  }
  shown_.clear();
}

void ShownDialogs::Show(const std::string& caption, bool warning, const QString& text) {
  auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                              QString::fromStdString(caption), text, QMessageBox::Ok);
  // Without a parent: the screen that showed it may hide before the next input.
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
  shown_.emplace_back(box);
}
