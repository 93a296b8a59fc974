#pragma once

#include <string_view>

// The frame a picture is stretched to on screen, in screen pixels. Pictures are
// drawn in their frame's proportions so nothing looks squashed.
struct Frame {
  int width;
  int height;
};

// The figure's slot frames, as the inventory and the character screen lay them out.
struct SlotFrame {
  std::string_view slot;
  Frame frame;
};
inline constexpr SlotFrame kSlotFrames[] = {
    {"Shlem", {62, 65}},     {"Amulet", {62, 35}},    {"Oruzhie", {62, 91}},   {"Poyas", {62, 30}},
    {"SodPoyas1", {20, 20}}, {"SodPoyas2", {20, 20}}, {"SodPoyas3", {20, 20}}, {"Sapogi", {62, 63}},
    {"Karman", {20, 20}},    {"SodKarman", {41, 20}}, {"Naruchi", {62, 40}},   {"Perchi", {62, 40}},
    {"Shit", {62, 91}},      {"Kolco1", {31, 31}},    {"Kolco2", {31, 31}},    {"Bronya", {62, 83}},
    {"Kolch", {62, 83}},
};
inline constexpr Frame kAvatarFrame{116, 256};
inline constexpr Frame kPlaceFrame{100, 100};
// Gems and logs are never worn; they get a square of the ring's size.
inline constexpr Frame kLooseItemFrame{31, 31};

// The frame of a slot by its member name ("Shlem", "Kolco2"); a square when unknown.
constexpr Frame SlotFrameOf(std::string_view slot) {
  for (const auto& entry : kSlotFrames) {
    if (entry.slot == slot) return entry.frame;
  }
  return kLooseItemFrame;
}
