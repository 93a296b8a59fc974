#pragma once

#include <QImage>
#include <string>

class AssetFolder;

inline constexpr int kMonsterCount = 22;

// The portrait of a monster kind (1..22), full figure for the avatar frame.
QImage DrawMonster(int kind);
// Every monster's portrait and the pieces of gear its side of the fight shows.
void WriteMonsterPictures(AssetFolder& folder);
