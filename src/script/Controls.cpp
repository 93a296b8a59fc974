#include "script/Controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>

#include "widgets/ListBox.h"
#include "widgets/PageControl.h"
#include "widgets/PictureBox.h"

namespace controls {

namespace {

std::string Str(const QString& text) { return text.toStdString(); }

// A tab sheet lives in the tab control's stack, which hides the inactive ones.
PageControl* TabControlOf(const QWidget* page) {
  auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
  return stack ? qobject_cast<PageControl*>(stack->parentWidget()) : nullptr;
}

}  // namespace

bool OwnVisible(const QWidget* widget) {
  if (TabControlOf(widget)) return true;
  return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
           widget->testAttribute(Qt::WA_WState_Hidden));
}

bool OwnEnabled(const QWidget* widget) { return !widget->testAttribute(Qt::WA_ForceDisabled); }

std::optional<ScriptValue> Property(const QWidget* widget, const std::string& property) {
  if (property == "Hint") return Str(widget->toolTip());
  if (property == "Enabled") return OwnEnabled(widget);
  if (property == "Visible") return OwnVisible(widget);
  if (property == "Caption") {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return Str(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return Str(button->text());
    if (auto* tabs = TabControlOf(widget))
      return Str(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(widget))));
  }
  if (property == "Text") {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return Str(edit->text());
    if (auto* spin = qobject_cast<const QSpinBox*>(widget)) return Str(spin->cleanText());
  }
  if (property == "Checked") {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->isChecked();
  }
  if (auto* list = qobject_cast<const ListBox*>(widget)) {
    if (property == "Items") return list->Lines();
    if (property == "ItemIndex") return list->currentRow();
  }
  if (property == "Picture") {
    if (auto* picture = qobject_cast<const PictureBox*>(widget)) return picture->Picture();
  }
  if (property == "ActivePage") {
    if (auto* tabs = qobject_cast<const PageControl*>(widget)) {
      return tabs->currentWidget() ? Str(tabs->currentWidget()->objectName()) : std::string();
    }
  }
  return std::nullopt;
}

bool Click(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->click();
    return true;
  }
  if (auto* picture = qobject_cast<PictureBox*>(widget)) {
    picture->Click();
    return true;
  }
  if (auto* tabs = TabControlOf(widget)) {
    tabs->Choose(widget);
    return true;
  }
  return false;
}

}  // namespace controls
