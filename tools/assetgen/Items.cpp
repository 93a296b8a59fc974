#include "Items.h"

#include <algorithm>
#include <cctype>

#include "Canvas.h"
#include "Slots.h"
#include "items/ItemCatalogue.h"

namespace {

// Names whose own word says what the object is, whatever its tab.
struct WordShape {
  std::string_view word;
  ItemShape shape;
};
constexpr WordShape kWordShapes[] = {
    {"Корона", ItemShape::Crown},     {"Диадема", ItemShape::Crown},
    {"Жезл", ItemShape::Staff},       {"Трезубец", ItemShape::Trident},
    {"Алебарда", ItemShape::Halberd}, {"Когти", ItemShape::Claws},
    {"Молот", ItemShape::Hammer},     {"Булава", ItemShape::Mace},
    {"Кистень", ItemShape::Flail},    {"Цеп", ItemShape::Flail},
    {"Дубин", ItemShape::Club},       {"Мантия", ItemShape::Robe},
    {"Щит", ItemShape::Shield},
};

constexpr ItemShape kCategoryShapes[kShopCategoryCount] = {
    ItemShape::Helmet,  ItemShape::Amulet,    ItemShape::Sword,  ItemShape::Axe,
    ItemShape::Mace,    ItemShape::Knife,     ItemShape::Belt,   ItemShape::Boots,
    ItemShape::Bracers, ItemShape::Gloves,    ItemShape::Shield, ItemShape::Ring,
    ItemShape::Armour,  ItemShape::ChainMail, ItemShape::Potion, ItemShape::Scroll,
};

// Colours of a theme or loot set, found by its word in the name, so every
// "…дракона" is red and gold and every "…льда" pale blue.
struct Theme {
  std::string_view word;
  QColor metal;
  QColor accent;
};
const Theme kThemes[] = {
    {"дракона", QColor(150, 42, 32), QColor(240, 196, 64)},
    {"заката", QColor(196, 108, 60), QColor(130, 60, 150)},
    {"пустынных ветров", QColor(204, 172, 108), QColor(40, 164, 154)},
    {"лавы", QColor(70, 58, 52), QColor(255, 96, 32)},
    {"слепоты", QColor(140, 144, 150), QColor(232, 232, 244)},
    {"ночного неба", QColor(44, 54, 104), QColor(224, 232, 255)},
    {"гоблина", QColor(122, 138, 58), QColor(182, 214, 64)},
    {"орка", QColor(92, 82, 72), QColor(170, 50, 36)},
    {"хранителя", QColor(110, 142, 160), QColor(46, 196, 182)},
    {"леса", QColor(78, 122, 58), QColor(160, 206, 100)},
    {"судьбы", QColor(122, 90, 168), QColor(244, 196, 255)},
    {"льда", QColor(168, 214, 240), QColor(250, 255, 255)},
    {"равновесия", QColor(150, 150, 150), QColor(30, 30, 30)},
    {"разрушения", QColor(110, 32, 32), QColor(255, 70, 30)},
    {"охранника", QColor(140, 106, 58), QColor(212, 162, 74)},
    {"света", QColor(240, 236, 216), QColor(255, 214, 0)},
    {"тьмы", QColor(44, 36, 56), QColor(140, 60, 255)},
    {"друга", QColor(184, 115, 51), QColor(64, 224, 208)},
    {"Мастера", QColor(212, 175, 55), QColor(155, 17, 30)},
};

// What is inside a flask, the seal of a scroll, the colour of a gem.
struct Tint {
  std::string_view word;
  QColor color;
};
const Tint kTints[] = {
    {"просветления", QColor(120, 200, 255)},
    {"яда", QColor(90, 200, 60)},
    {"силы", QColor(220, 40, 40)},
    {"ловкости", QColor(240, 220, 60)},
    {"удачи", QColor(255, 170, 20)},
    {"ХП", QColor(200, 20, 60)},
    {"кожи", QColor(150, 100, 60)},
    {"колкости", QColor(255, 120, 40)},
    {"панциря", QColor(100, 130, 170)},
    {"подвижности", QColor(40, 220, 220)},
    {"боя", QColor(200, 30, 30)},
    {"в город", QColor(60, 120, 230)},
    {"к Мастеру", QColor(155, 17, 30)},
    {"ярости", QColor(255, 60, 0)},
    {"проклятия", QColor(90, 30, 120)},
    {"величия", QColor(250, 200, 40)},
    {"злости", QColor(230, 50, 160)},
    {"урагана", QColor(120, 200, 200)},
    {"Алмаз", QColor(230, 240, 255)},
    {"Рубин", QColor(220, 20, 50)},
    {"Топаз", QColor(255, 170, 40)},
    {"Изумруд", QColor(30, 190, 90)},
    {"Сапфир", QColor(30, 80, 220)},
};

// From plain iron to gold as a tab's kinds get dearer.
const QColor kTierMetals[] = {QColor(120, 110, 98), QColor(150, 158, 166), QColor(186, 196, 206),
                              QColor(204, 176, 104), QColor(230, 196, 90)};

bool Contains(std::string_view name, std::string_view word) {
  return name.find(word) != std::string_view::npos;
}

const Theme* ThemeOf(std::string_view name) {
  for (const auto& theme : kThemes) {
    if (Contains(name, theme.word)) return &theme;
  }
  return nullptr;
}

// A clear colour of its own for a name no theme covers.
QColor HueOf(std::string_view name) {
  return QColor::fromHsv(static_cast<int>(NameHash(name) % 360), 170, 220);
}

QColor TintOf(std::string_view name) {
  for (const auto& tint : kTints) {
    if (Contains(name, tint.word)) return tint.color;
  }
  return HueOf(name);
}

int FirstDigitIn(std::string_view name) {
  const auto digit = std::find_if(
      name.begin(), name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  return digit == name.end() ? 1 : *digit - '0';
}

// 0..4 by the kind's place in its tab, which lists the cheapest first.
int TierOf(const ItemKind& kind) {
  if (kind.itemClass == ItemClass::Loot) return 4;
  if (!kind.category) return 0;
  const auto kinds = ShopKinds(*kind.category);
  const auto at = std::find(kinds.begin(), kinds.end(), &kind) - kinds.begin();
  return static_cast<int>(at * 5 / std::max<size_t>(kinds.size(), 1));
}

}  // namespace

ItemShape ShapeOfItem(const ItemKind& kind) {
  if (kind.itemClass == ItemClass::Gem) return ItemShape::Gem;
  if (kind.itemClass == ItemClass::Logs) return ItemShape::Logs;
  for (const auto& entry : kWordShapes) {
    if (Contains(kind.name, entry.word)) return entry.shape;
  }
  if (kind.category) return kCategoryShapes[static_cast<int>(*kind.category)];
  return ShapeOfSlot(kind.slot);
}

Frame FrameOfItem(const ItemKind& kind) {
  // Scrolls used from the backpack have no slot; they look like the pocket's.
  if (kind.category == ShopCategory::Svitok) return SlotFrameOf("SodKarman");
  return SlotFrameOf(kind.slot);
}

ItemLook LookOfItem(const ItemKind& kind) {
  ItemLook look;
  look.seed = NameHash(kind.name);
  look.tier = TierOf(kind);
  look.metal = kTierMetals[look.tier];
  look.accent = HueOf(kind.name);
  if (const Theme* theme = ThemeOf(kind.name)) {
    look.metal = theme->metal;
    look.accent = theme->accent;
    look.tier = std::max(look.tier, 3);
  }
  const ItemShape shape = ShapeOfItem(kind);
  if (shape == ItemShape::Potion || shape == ItemShape::Scroll || shape == ItemShape::Gem) {
    look.accent = TintOf(kind.name);
  }
  if (shape == ItemShape::Gem || shape == ItemShape::Logs) look.count = FirstDigitIn(kind.name);
  return look;
}

void WriteItemPictures(AssetFolder& folder) {
  for (const auto& kind : AllItemKinds()) {
    folder.SavePicture(kind.Picture(),
                       DrawItem(FrameOfItem(kind), ShapeOfItem(kind), LookOfItem(kind)));
  }
}
