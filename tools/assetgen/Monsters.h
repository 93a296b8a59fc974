#pragma once

#include <QImage>

class AssetFolder;

// The portrait of a monster kind (1..22), full figure for the avatar frame.
QImage DrawMonster(int kind);
// Every monster's portrait and the pieces of gear its side of the fight shows.
void WriteMonsterPictures(AssetFolder& folder);
