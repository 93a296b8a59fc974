#pragma once

#include <QString>

// The help window's text (HTML): how to play, what each value does in a fight, the
// map, the potions and scrolls, the keys, and where the game's recordings are (for a
// bug report). Kept in one place, in the game's voice.
QString HelpText(const QString& recordingsFolder);
