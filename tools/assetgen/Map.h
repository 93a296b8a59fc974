#pragma once

#include <QImage>
#include <string>

class AssetFolder;

inline constexpr int kPlaceCount = 20;
inline constexpr int kMapColumns = 5;
inline constexpr int kMapRows = 4;

// "image\p" + place + ".bmp"; place 0 is the "you are here" picture.
std::string PlacePicture(int place);
// The whole landscape, five places wide and four high, at picture detail.
QImage DrawLandscape();
// p1…p20 cut from one landscape so neighbouring places join up, and p0.
void WriteMapPictures(AssetFolder& folder);
