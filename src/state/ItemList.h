#pragma once

#include <string>
#include <vector>

// Told of every change of an ItemList just before and just after it, so a view
// follows the one line that changed instead of reading the whole list again.
class ItemListObserver {
 public:
  virtual void BeforeInsert(int row) = 0;
  virtual void AfterInsert() = 0;
  virtual void BeforeRemove(int row) = 0;
  virtual void AfterRemove() = 0;
  virtual void BeforeReset() = 0;
  virtual void AfterReset() = 0;

 protected:
  ~ItemListObserver() = default;
};

// Item names in their order: the backpack and the bonus list. The game owns each
// once; screens show it, the save writes it line by line. Equal names are equal
// lines; new lines go to the end.
class ItemList {
 public:
  ItemList() = default;
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;

  void Append(std::string line);
  // False, and nothing changes, when there is no such line.
  bool RemoveAt(int row);
  // The empty text when there is no such line.
  const std::string& LineAt(int row) const;
  int Count() const { return static_cast<int>(lines_.size()); }
  void ReplaceAll(std::vector<std::string> lines);
  const std::vector<std::string>& Lines() const { return lines_; }

  void Watch(ItemListObserver& observer);
  void Unwatch(ItemListObserver& observer);

 private:
  bool Holds(int row) const { return row >= 0 && row < Count(); }

  std::vector<std::string> lines_;
  std::vector<ItemListObserver*> observers_;
};
