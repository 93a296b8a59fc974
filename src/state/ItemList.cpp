#include "state/ItemList.h"

#include <algorithm>

void ItemList::Append(std::string line) {
  const int row = Count();
  for (ItemListObserver* o : observers_) o->BeforeInsert(row);
  lines_.push_back(std::move(line));
  for (ItemListObserver* o : observers_) o->AfterInsert();
}

bool ItemList::RemoveAt(int row) {
  if (!Holds(row)) return false;
  for (ItemListObserver* o : observers_) o->BeforeRemove(row);
  lines_.erase(lines_.begin() + row);
  for (ItemListObserver* o : observers_) o->AfterRemove();
  return true;
}

const std::string& ItemList::LineAt(int row) const {
  static const std::string none;
  return Holds(row) ? lines_[row] : none;
}

void ItemList::ReplaceAll(std::vector<std::string> lines) {
  for (ItemListObserver* o : observers_) o->BeforeReset();
  lines_ = std::move(lines);
  for (ItemListObserver* o : observers_) o->AfterReset();
}

void ItemList::Watch(ItemListObserver& observer) { observers_.push_back(&observer); }

void ItemList::Unwatch(ItemListObserver& observer) { std::erase(observers_, &observer); }
