#pragma once

#include <QImage>
#include <string_view>

#include "Frames.h"
#include "ItemShapes.h"

class AssetFolder;

// The shape a slot holds, for its empty picture and for monster gear.
ItemShape ShapeOfSlot(std::string_view slot);
QImage DrawItem(Frame frame, ItemShape shape, const ItemLook& look);
// The muted outlines shown while a slot holds nothing.
void WriteEmptySlotPictures(AssetFolder& folder);
