#pragma once

class QApplication;

// The one look of all seven windows: a parchment-and-wood palette and a font
// with Cyrillic letters, sized in pixels so that the fixed pixel frames hold
// their texts at any screen scaling; and the window icon.
void ApplyGameLook(QApplication& app);
