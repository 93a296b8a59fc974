#pragma once

#include <string_view>

// What selling a backpack line pays: half the item's price (gems 12.5 per level,
// logs 20 a piece); nothing for a name the catalogue does not know.
float SalePriceOf(std::string_view name);
