// SPDX-License-Identifier: MIT
#include "ui/controls/list_box.h"

#include <QItemSelectionModel>

namespace {

// Dark grey: the yellow text stays readable on it, and it can't be taken for the focused blue.
const QColor kUnfocusedHighlight(80, 80, 80);

}  // namespace

ListBox::ListBox(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Uniform rows let a list of tens of thousands of items lay out without measuring each one.
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
}

void ListBox::setModel(QAbstractItemModel* model) {
    QListView::setModel(model);
    // Each model gets a new selection model, which the signal must follow.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::selectionChanged);
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    showSelectionFocused(true);
}

void ListBox::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    showSelectionFocused(false);
}

void ListBox::showSelectionFocused(bool focused) {
    if (dimmed_ == !focused) return;
    static constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive};
    QPalette palette = this->palette();
    for (int i = 0; i < 2; ++i) {
        if (!focused) focusedHighlight_[i] = palette.brush(kGroups[i], QPalette::Highlight);
        palette.setBrush(kGroups[i], QPalette::Highlight,
                         focused ? focusedHighlight_[i] : QBrush(kUnfocusedHighlight));
    }
    setPalette(palette);
    dimmed_ = !focused;
}

int ListBox::listCount() const {
    return model() ? model()->rowCount() : 0;
}

QString ListBox::item(int position) const {
    return model()->index(position, modelColumn()).data().toString();
}

int ListBox::listIndex() const {
    if (!selectionModel()) return -1;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setListIndex(int position) {
    if (position < 0 || position >= listCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model()->index(position, modelColumn());
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return items_.at(index.row());
}

Qt::ItemFlags TextListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void TextListModel::setItems(QStringList items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

TextListBox::TextListBox(QWidget* parent) : ListBox(parent) {
    setModel(&model_);
}
