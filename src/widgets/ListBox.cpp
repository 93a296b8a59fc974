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
  // The game removing the chosen line leaves no line chosen, not an unshown
  // neighbour as the view's current line.
  connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, [this] {
    if (currentIndex().isValid() && currentRow() < 0)
      selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  });
}

ListBox::~ListBox() = default;

void ListBox::Choose(int row) {
  setCurrentRow(row < count() ? row : -1);
  emit Click();
}

int ListBox::currentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

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

namespace {

bool IsLeft(const QMouseEvent& event) {
  return event.button() == Qt::LeftButton ||
         (event.button() == Qt::NoButton && event.buttons() == Qt::LeftButton);
}

}  // namespace

// Only the left button chooses: the others would highlight a line whose handler never ran.
void ListBox::mousePressEvent(QMouseEvent* event) {
  if (!IsLeft(*event)) return event->accept();
  rowAtPress_ = currentRow();
  QListView::mousePressEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!IsLeft(*event)) return event->accept();
  QListView::mouseDoubleClickEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton && !IsLeft(*event)) return event->accept();
  QListView::mouseMoveEvent(event);
}

// A click below the last line counts too: the handler tells what no line means.
void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->accept();
  QListView::mouseReleaseEvent(event);
  if (viewport()->rect().contains(event->position().toPoint()) || currentRow() != rowAtPress_)
    emit Click();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListView::keyPressEvent(event);
  if (currentRow() != before) emit Click();
}

// The view makes its first line current when it gets the focus; here the focus
// alone chooses nothing.
void ListBox::focusInEvent(QFocusEvent* event) {
  const QModelIndex before = currentIndex();
  QListView::focusInEvent(event);
  if (currentIndex() != before)
    selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
}

// One line is always chosen alone: Ctrl with a click or Space never unchooses it
// and never moves the current line without choosing it.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
  if (!index.isValid() || (event && event->type() == QEvent::MouseButtonRelease))
    return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect;
}
