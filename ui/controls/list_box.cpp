// SPDX-License-Identifier: MIT
#include "ui/controls/list_box.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <algorithm>

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
            &ListBox::reportSelection);
    // A click or an arrow key moves the current item and the selection as one: it is reported
    // once, by whichever of the two changes listIndex.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (listIndex() != reportedIndex_) reportSelection();
    });
}

void ListBox::reportSelection() {
    reportedIndex_ = listIndex();
    emit selectionChanged();
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    showSelectionFocused(true);
}

void ListBox::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    showSelectionFocused(false);
}

void ListBox::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (!hasFocus()) return;
    const QModelIndex current = currentIndex();
    QRect outline;
    if (listCount() == 0)
        outline = viewport()->rect();
    else if (current.isValid() && !selectionModel()->isSelected(current))
        outline = visualRect(current);
    if (outline.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
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
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current)) return current.row();
    const std::vector<int> selected = selectedRows();
    return selected.empty() ? -1 : selected.front();
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

std::vector<int> ListBox::selectedRows() const {
    std::vector<int> rows;
    if (!selectionModel()) return rows;
    // A selection is kept as ranges: Ctrl+A over a whole playlist is one.
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ListBox::selectRows(const std::vector<int>& rows, int current) {
    QItemSelection selection;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
        selection.select(model()->index(rows[first], modelColumn()),
                         model()->index(rows[last], modelColumn()));
        first = last + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current < 0 || current >= listCount()) return;
    const QModelIndex index = model()->index(current, modelColumn());
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
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

QModelIndexList TextListModel::match(const QModelIndex& start, int role, const QVariant& value,
                                     int hits, Qt::MatchFlags flags) const {
    const Qt::MatchFlags typeAhead = Qt::MatchStartsWith | Qt::MatchWrap;
    if (role != Qt::DisplayRole || (flags & ~Qt::MatchCaseSensitive) != typeAhead || hits != 1 ||
        !start.isValid())
        return QAbstractListModel::match(start, role, value, hits, flags);
    const QString typed = value.toString();
    const Qt::CaseSensitivity caseSensitivity =
        flags & Qt::MatchCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype count = items_.size();
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype row = (start.row() + step) % count;
        QStringView name = items_.at(row);
        while (name.startsWith(u' ')) name = name.sliced(1);
        if (name.startsWith(typed, caseSensitivity)) return {index(static_cast<int>(row))};
    }
    return {};
}

void TextListModel::setItems(QStringList items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

TextListBox::TextListBox(QWidget* parent) : ListBox(parent) {
    setModel(&model_);
}
