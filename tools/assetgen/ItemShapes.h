#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <cstdint>

// What an item looks like; several categories share a shape, a few names have their own.
enum class ItemShape {
  Helmet,
  Crown,
  Amulet,
  Sword,
  Staff,
  Axe,
  Halberd,
  Trident,
  Hammer,
  Mace,
  Flail,
  Club,
  Knife,
  Claws,
  Belt,
  Boots,
  Bracers,
  Gloves,
  Shield,
  Ring,
  Armour,
  Robe,
  ChainMail,
  Potion,
  Scroll,
  Pouch,
  Gem,
  Logs
};

// The colours and ornament of one picture.
struct ItemLook {
  QColor metal;            // the body of the object
  QColor accent;           // trim, gems, liquid, seal
  int tier = 0;            // 0..4: more ornament the higher
  std::uint32_t seed = 0;  // small variations from the name
  int count = 1;           // logs in a bundle, a gem's level
  bool empty = false;      // an empty slot: a muted outline only
};

// Paints the object into the rectangle, which has the proportions of its frame.
void PaintItem(QPainter& painter, const QRectF& rect, ItemShape shape, const ItemLook& look);
// The dark leather the figure's pictures sit on, with a glow in the accent colour
// for the finer items.
void PaintItemBackground(QPainter& painter, const QRectF& rect, const ItemLook& look);
