#pragma once

#include <QString>
#include <string>

class QWidget;

// The script mode's line for what a player just did to a control: `click` for
// buttons, check boxes and pictures, `select` with the chosen line for list boxes,
// `paste` with the whole text for edit boxes. A password box's text is written as
// as many letters x (or, when the box refuses it, one character it refuses), so the
// recording keeps its length and its fate but not the password.
std::string InputLine(const QWidget& control);

// What a password box's text becomes in a recording.
QString MaskedPassword(const QString& text, bool fits);
