#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

// Items of a list box, held as one QStringList so whole runs are added with one notification and
// readers get the items without a copy.
class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QStringList& items() const { return items_; }
    void append(const QStringList& items);
    void setItems(QStringList items);
    void removeAt(int row);
    // Moves one item so that it stands before the item now at `insertBefore` (the count: the end).
    void moveItem(int from, int insertBefore);

private:
    QStringList items_;
};

// A single-selection list box: items by position, a selected position (-1 for none).
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void addItem(const QString& item) { model_.append({item}); }
    void addItems(const QStringList& items) { model_.append(items); }
    void clear() { model_.setItems({}); }
    void setItems(QStringList items) { model_.setItems(std::move(items)); }
    void removeItem(int position) { model_.removeAt(position); }
    void moveItem(int from, int insertBefore) { model_.moveItem(from, insertBefore); }

    int listCount() const { return static_cast<int>(model_.items().size()); }
    const QString& item(int position) const { return model_.items().at(position); }
    const QStringList& items() const { return model_.items(); }

    int listIndex() const;
    void setListIndex(int position);

signals:
    // The user or code selected another item (or none).
    void selectionChanged();

private:
    ListBoxModel model_;
};
