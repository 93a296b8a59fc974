#include "widgets/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "widgets/ItemListModel.h"

ListBox::ListBox(const QString& name, QWidget* parent, ItemList* shown)
    : QListView(parent), model_(std::make_unique<ItemListModel>(shown ? *shown : ownLines_)) {
  setObjectName(name);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every line is one line of text: the view lays out a long list without
  // measuring each line.
  setUniformItemSizes(true);
  setModel(model_.get());
}

ListBox::~ListBox() = default;

void ListBox::Choose(int row) {
  setCurrentRow(row < count() ? row : -1);
  emit Click();
}

int ListBox::currentRow() const { return currentIndex().row(); }

void ListBox::setCurrentRow(int row) {
  const QModelIndex index = model_->index(row);
  const auto command = selectionMode() == SingleSelection ? QItemSelectionModel::ClearAndSelect
                                                          : QItemSelectionModel::SelectCurrent;
  selectionModel()->setCurrentIndex(index, command);
}

int ListBox::count() const { return List().Count(); }

ItemList& ListBox::List() const { return model_->List(); }

std::vector<std::string> ListBox::Lines() const { return List().Lines(); }

void ListBox::SetLines(std::vector<std::string> lines) { List().ReplaceAll(std::move(lines)); }

void ListBox::AddLine(std::string line) { List().Append(std::move(line)); }

std::string ListBox::Line(int row) const { return List().LineAt(row); }

void ListBox::clear() { List().ReplaceAll({}); }

// A click below the last line counts too: the handler tells what no line means.
void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListView::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
    emit Click();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListView::keyPressEvent(event);
  if (currentRow() != before) emit Click();
}
