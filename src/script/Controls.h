#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "core/Json.h"

// What the script mode can read and do with a screen's controls, by the kind of
// control: one table for every control of every screen.
namespace controls {

// The control's own Visible and Enabled flags, whatever its screen shows.
bool OwnVisible(const QWidget* widget);
bool OwnEnabled(const QWidget* widget);

// A property (Caption, Text, Hint, Enabled, Visible, Checked, Items, ItemIndex,
// Picture, ActivePage); none when the control has no such property.
std::optional<ScriptValue> Property(const QWidget* widget, const std::string& property);

// A player's click: buttons, check boxes, pictures, tab sheets. False when the
// control cannot be clicked.
bool Click(QWidget* widget);

}  // namespace controls
