#include "inventory/Selling.h"

#include "items/ItemCatalogue.h"

float SalePriceOf(std::string_view name) {
  const ItemKind* kind = FindItem(name);
  return kind ? kind->SalePrice() : 0.0f;
}
