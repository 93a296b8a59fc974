#pragma once

#include "Frames.h"
#include "ItemShapes.h"

class AssetFolder;
struct ItemKind;

ItemShape ShapeOfItem(const ItemKind& kind);
Frame FrameOfItem(const ItemKind& kind);
ItemLook LookOfItem(const ItemKind& kind);

// "image\" + name + ".bmp" for every kind of the catalogue.
void WriteItemPictures(AssetFolder& folder);
