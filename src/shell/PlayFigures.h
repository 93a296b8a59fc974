#pragma once

#include <string_view>

// What new characters met on their way to level 2, as measured by
// tools/newplayer/new-player-bot: the beginner's kit, place 10, one strike and three
// blocks, the auto-fight. Its output, tools/newplayer/figures.tsv, holds the same
// figures; a test keeps the two equal, so a new measurement comes here by hand.
struct PlayFigure {
  std::string_view name;
  int value;
};

inline constexpr PlayFigure kPlayFigures[] = {
    {"careers", 40},
    {"fights", 1115},
    {"wins_percent", 91},
    {"rats1_fights", 691},
    {"rats1_wins_percent", 97},
    {"rats1_moves_median", 50},
    {"rats1_moves_low", 32},
    {"rats1_moves_high", 78},
    {"rats1_win_exp_mean", 50},
    {"rats2_fights", 273},
    {"rats2_wins_percent", 86},
    {"rats2_moves_median", 99},
    {"rats2_moves_low", 73},
    {"rats2_moves_high", 141},
    {"rats2_win_exp_mean", 149},
    {"rats3_fights", 151},
    {"rats3_wins_percent", 74},
    {"rats3_moves_median", 141},
    {"rats3_moves_low", 95},
    {"rats3_moves_high", 194},
    {"rats3_win_exp_mean", 298},
    {"exp_per_fight_mean", 92},
    {"money_per_fight_mean", 1},
    {"fights_to_level2_median", 27},
    {"fights_to_level2_min", 19},
    {"fights_to_level2_max", 36},
    {"minutes_to_level2_median", 27},
    {"minutes_to_level2_max", 33},
};

// A measured figure by its name; 0 for a name not measured.
constexpr int PlayFigureOf(std::string_view name) {
  for (const PlayFigure& figure : kPlayFigures) {
    if (figure.name == name) return figure.value;
  }
  return 0;
}
