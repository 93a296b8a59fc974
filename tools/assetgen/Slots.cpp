#include "Slots.h"

#include "Canvas.h"
#include "state/GameState.h"

namespace {

struct SlotShape {
  std::string_view slot;
  ItemShape shape;
};
constexpr SlotShape kSlotShapes[] = {
    {"Shlem", ItemShape::Helmet},     {"Amulet", ItemShape::Amulet},
    {"Oruzhie", ItemShape::Sword},    {"Poyas", ItemShape::Belt},
    {"SodPoyas1", ItemShape::Potion}, {"SodPoyas2", ItemShape::Potion},
    {"SodPoyas3", ItemShape::Potion}, {"Sapogi", ItemShape::Boots},
    {"SodKarman", ItemShape::Scroll}, {"Karman", ItemShape::Pouch},
    {"Naruchi", ItemShape::Bracers},  {"Perchi", ItemShape::Gloves},
    {"Shit", ItemShape::Knife},       {"Kolco1", ItemShape::Ring},
    {"Kolco2", ItemShape::Ring},      {"Bronya", ItemShape::Armour},
    {"Kolch", ItemShape::ChainMail},
};

}  // namespace

ItemShape ShapeOfSlot(std::string_view slot) {
  for (const auto& entry : kSlotShapes) {
    if (entry.slot == slot) return entry.shape;
  }
  return ItemShape::Pouch;
}

QImage DrawItem(Frame frame, ItemShape shape, const ItemLook& look) {
  Canvas canvas(frame, Qt::black);
  PaintItemBackground(canvas.painter(), canvas.Rect(), look);
  PaintItem(canvas.painter(), canvas.Rect(), shape, look);
  return canvas.Take();
}

void WriteEmptySlotPictures(AssetFolder& folder) {
  ItemLook empty;
  empty.empty = true;
  for (const auto& slot : kEquipSlots) {
    // Slots sharing a picture ("Оружие" for both hands) draw it once, as the first slot.
    if (*slot.emptyPicture == '\0' || folder.Has(slot.emptyPicture)) continue;
    folder.SavePicture(slot.emptyPicture,
                       DrawItem(SlotFrameOf(slot.name), ShapeOfSlot(slot.name), empty));
  }
}
