// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QBrush>
#include <QListView>
#include <QStringList>
#include <vector>

// A list box showing one column of a model: items by position, a selected position (-1 for none).
// It takes one selection unless it is told to take several.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    int listCount() const;
    QString item(int position) const;

    // The current item where it is selected, else the first selected one.
    int listIndex() const;
    void setListIndex(int position);

    // Every selected position, in ascending order.
    std::vector<int> selectedRows() const;
    // Selects these positions (ascending), `current` the one the keys move from, scrolled to.
    void selectRows(const std::vector<int>& rows, int current);

signals:
    // The user or code selected other items (or none), or made another item current.
    void selectionChanged();

protected:
    // The list that has the keyboard focus shows its selection in the full colour; the others
    // dim theirs, so the keys' target can be seen.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The focused list outlines, in the text's colour, its current row where no highlight shows it,
    // or itself while it is empty: the keys' target can be seen on the black skin.
    void paintEvent(QPaintEvent* event) override;

private:
    void reportSelection();
    void showSelectionFocused(bool focused);

    // The highlight as the list had it before it first lost the focus.
    QBrush focusedHighlight_[2];
    bool dimmed_ = false;
    // listIndex as selectionChanged last reported it.
    int reportedIndex_ = -1;
};

// The texts of a list box that holds its own items, as one QStringList, so a whole folder's names
// arrive with one notification and readers get them without a copy.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Type-ahead: the blanks that indent a row (the folder list's levels) are not part of the
    // name typed.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                          Qt::MatchFlags flags) const override;

    const QStringList& items() const { return items_; }
    void setItems(QStringList items);

private:
    QStringList items_;
};

// A list box of its own texts: the browser's folder and file lists.
class TextListBox : public ListBox {
    Q_OBJECT
public:
    explicit TextListBox(QWidget* parent = nullptr);

    void setItems(QStringList items) { model_.setItems(std::move(items)); }
    const QStringList& items() const { return model_.items(); }

private:
    TextListModel model_;
};
