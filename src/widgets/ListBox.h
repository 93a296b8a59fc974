#pragma once

#include <QListView>
#include <memory>
#include <string>
#include <vector>

#include "state/ItemList.h"

class ItemListModel;

// A list box: a view of item lines whose click handler runs when the player
// chooses a line (mouse or keys) or clicks anywhere inside it, not when the game
// changes the chosen line itself. It shows lines of its own, or data the game
// owns elsewhere (the backpack), which it then reads and changes in place.
class ListBox : public QListView {
  Q_OBJECT

 public:
  ListBox(const QString& name, QWidget* parent, ItemList* shown = nullptr);
  ~ListBox() override;

  // Chooses line `row` (-1: none) and runs the click handler, as a player would.
  void Choose(int row);

  // The chosen line, -1 for none; choosing a line does not run the handler.
  int currentRow() const;
  void setCurrentRow(int row);
  int count() const;

  ItemList& List() const;
  std::vector<std::string> Lines() const;
  void SetLines(std::vector<std::string> lines);
  void AddLine(std::string line);
  std::string Line(int row) const;
  void clear();

 signals:
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Declared before the model, which watches it and so must go first.
  ItemList ownLines_;
  std::unique_ptr<ItemListModel> model_;
};
