#pragma once

#include <QListView>
#include <memory>
#include <string>
#include <vector>

#include "state/ItemList.h"

class ItemListModel;

// A list box: a view of item lines whose click handler runs when the player
// chooses a line (mouse or keys) or clicks anywhere inside it, not when the game
// changes the chosen line itself. A line becomes chosen by the player only on
// those paths: the focus, other mouse buttons and modifiers choose nothing, so
// the line the handlers act on is always the line shown chosen. It shows lines
// of its own, or data the game owns elsewhere (the backpack), which it then
// reads and changes in place.
class ListBox : public QListView {
  Q_OBJECT

 public:
  ListBox(const QString& name, QWidget* parent, ItemList* shown = nullptr);
  ~ListBox() override;

  // Chooses line `row` (-1: none) and runs the click handler, as a player would.
  void Choose(int row);

  // The chosen (highlighted) line, -1 for none; choosing a line does not run the handler.
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
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  // Declared before the model, which watches it and so must go first.
  ItemList ownLines_;
  std::unique_ptr<ItemListModel> model_;
  // The chosen line when the left button went down: a drag that ends outside
  // the list has still chosen a line, and its handler must run.
  int rowAtPress_ = -1;
};
