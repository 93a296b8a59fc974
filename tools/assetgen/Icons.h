#pragma once

#include <vector>

class AssetFolder;

// The hicolor theme's sizes the desktop's menus, launchers and software centres use.
inline const std::vector<int> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The game's icon, the windows' shield, as hicolor/NxN/apps/morrowgate.png at every size.
void WriteIcons(AssetFolder& icons);
