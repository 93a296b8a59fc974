#pragma once

#include <QImage>

class AssetFolder;

// The whole landscape, five places wide and four high, at picture detail.
QImage DrawLandscape();
// p1…p20 cut from one landscape so neighbouring places join up, and p0.
void WriteMapPictures(AssetFolder& folder);
