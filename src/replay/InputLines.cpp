#include "replay/InputLines.h"

#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

#include "state/SaveFiles.h"
#include "widgets/ListBox.h"

namespace {

// A character no save file holds: the box clears itself on it, as on the original.
constexpr char16_t kRefused = u'\u2612';

std::string ControlName(const QWidget& control) {
  return control.window()->objectName().toStdString() + "." + control.objectName().toStdString();
}

bool PasswordFits(const QString& text) {
  const bool halfCharacter = std::ranges::any_of(text, [](QChar c) { return c.isSurrogate(); });
  return !halfCharacter && FitsSaveFile(text.toStdString());
}

}  // namespace

QString MaskedPassword(const QString& text, bool fits) {
  if (!fits) return QString(QChar(kRefused));
  return QString(text.size(), QChar('x'));
}

std::string InputLine(const QWidget& control) {
  const std::string name = ControlName(control);
  if (const auto* list = qobject_cast<const ListBox*>(&control))
    return "select " + name + " " + std::to_string(list->currentRow());
  if (const auto* spin = qobject_cast<const QSpinBox*>(&control))
    return "paste " + name + " " + std::to_string(spin->value());
  if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
    QString text = edit->text();
    if (edit->echoMode() == QLineEdit::Password) text = MaskedPassword(text, PasswordFits(text));
    return "paste " + name + " " + text.toStdString();
  }
  return "click " + name;
}
