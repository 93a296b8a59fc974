#pragma once

#include <QAbstractListModel>

#include "state/ItemList.h"

// An ItemList as rows of a list view: each change of the list becomes the one
// row inserted or removed, so a view's cost does not grow with the list.
class ItemListModel : public QAbstractListModel, private ItemListObserver {
  Q_OBJECT

 public:
  explicit ItemListModel(ItemList& list);
  ~ItemListModel() override;

  // The view asks for every row's index when it lays the list out: kept cheap.
  QModelIndex index(int row, int column = 0,
                    const QModelIndex& parent = QModelIndex()) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  ItemList& List() const { return list_; }

 private:
  void BeforeInsert(int row) override;
  void AfterInsert() override;
  void BeforeRemove(int row) override;
  void AfterRemove() override;
  void BeforeReset() override;
  void AfterReset() override;

  ItemList& list_;
};
