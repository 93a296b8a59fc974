#include "widgets/ItemListModel.h"

#include "items/ItemCatalogue.h"

namespace {

// What a line shows: a line stays the name the game stores and compares; only
// its shown text may ever differ from it.
QString ShownText(const std::string& line) { return QString::fromStdString(DisplayName(line)); }

}  // namespace

ItemListModel::ItemListModel(ItemList& list) : list_(list) { list_.Watch(*this); }

ItemListModel::~ItemListModel() { list_.Unwatch(*this); }

QModelIndex ItemListModel::index(int row, int column, const QModelIndex& parent) const {
  const bool there = row >= 0 && row < list_.Count() && column == 0 && !parent.isValid();
  return there ? createIndex(row, column) : QModelIndex();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.Count();
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return {};
  if (role != Qt::DisplayRole) return {};
  return ShownText(list_.LineAt(index.row()));
}

void ItemListModel::BeforeInsert(int row) { beginInsertRows(QModelIndex(), row, row); }
void ItemListModel::AfterInsert() { endInsertRows(); }
void ItemListModel::BeforeRemove(int row) { beginRemoveRows(QModelIndex(), row, row); }
void ItemListModel::AfterRemove() { endRemoveRows(); }
void ItemListModel::BeforeReset() { beginResetModel(); }
void ItemListModel::AfterReset() { endResetModel(); }
