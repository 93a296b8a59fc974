#include "state/GameState.h"

// In the order the game lists its slots.
const EquipSlotInfo kEquipSlots[kEquipSlotCount] = {
    {"Shlem", &GameState::Shlem, &GameState::ShlemHint, "image\\Шлем.bmp"},
    {"Amulet", &GameState::Amulet, &GameState::AmuletHint, "image\\Амулет.bmp"},
    {"Oruzhie", &GameState::Oruzhie, &GameState::OruzhieHint, "image\\Оружие.bmp"},
    {"Poyas", &GameState::Poyas, &GameState::PoyasHint, "image\\Пояс.bmp"},
    {"SodPoyas1", &GameState::SodPoyas1, &GameState::SodPoyas1Hint, "image\\Содержимое пояса.bmp"},
    {"SodPoyas2", &GameState::SodPoyas2, &GameState::SodPoyas2Hint, "image\\Содержимое пояса.bmp"},
    {"SodPoyas3", &GameState::SodPoyas3, &GameState::SodPoyas3Hint, "image\\Содержимое пояса.bmp"},
    {"Sapogi", &GameState::Sapogi, &GameState::SapogiHint, "image\\Сапоги.bmp"},
    {"SodKarman", &GameState::SodKarman, &GameState::SodKarmanHint,
     "image\\Содержимое кармана.bmp"},
    {"Karman", &GameState::Karman, &GameState::KarmanHint, "image\\Карман.bmp"},
    {"Naruchi", &GameState::Naruchi, &GameState::NaruchiHint, "image\\Наручи.bmp"},
    {"Perchi", &GameState::Perchi, &GameState::PerchiHint, "image\\Перчатки.bmp"},
    {"Shit", &GameState::Shit, &GameState::ShitHint, "image\\Оружие.bmp"},
    {"Kolco1", &GameState::Kolco1, &GameState::Kolco1Hint, "image\\Кольцо.bmp"},
    {"Kolco2", &GameState::Kolco2, &GameState::Kolco2Hint, "image\\Кольцо.bmp"},
    {"Bronya", &GameState::Bronya, &GameState::BronyaHint, "image\\Броня.bmp"},
    {"Kolch", &GameState::Kolch, &GameState::KolchHint, ""},
};

const EquipSlotInfo* FindEquipSlot(const std::string& name) {
  for (const auto& slot : kEquipSlots) {
    if (name == slot.name) return &slot;
  }
  return nullptr;
}
