#include "ui/list_box.h"

#include <QItemSelectionModel>

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return items_.at(index.row());
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

void ListBoxModel::append(const QStringList& items) {
    if (items.isEmpty()) return;
    const int first = static_cast<int>(items_.size());
    beginInsertRows({}, first, first + static_cast<int>(items.size()) - 1);
    items_.append(items);
    endInsertRows();
}

void ListBoxModel::setItems(QStringList items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

void ListBoxModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    items_.removeAt(row);
    endRemoveRows();
}

void ListBoxModel::moveItem(int from, int insertBefore) {
    if (insertBefore == from || insertBefore == from + 1) return;  // already there
    beginMoveRows({}, from, from, {}, insertBefore);
    items_.move(from, insertBefore > from ? insertBefore - 1 : insertBefore);
    endMoveRows();
}

ListBox::ListBox(QWidget* parent) : QListView(parent) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Uniform rows let a list of tens of thousands of items lay out without measuring each one.
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::selectionChanged);
}

int ListBox::listIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setListIndex(int position) {
    if (position < 0 || position >= listCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model_.index(position);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}
