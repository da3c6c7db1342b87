// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QUrl>

#include "ui/controls/list_box.h"

// The visible playlist: a list box whose items the user drags up and down, and onto which files and
// folders are dropped from the desktop. It only reports what the user asked; the window changes
// both playlist lists together.
class PlaylistBox : public ListBox {
    Q_OBJECT
public:
    explicit PlaylistBox(QWidget* parent = nullptr);

    // Shows the first column of the entries' table (the names) as the list's items; its other
    // columns are no items of this list, for screen readers either.
    void showNames(QAbstractItemModel* entries);

    // The data of a drag of one of this list's items (also what a test drops).
    QMimeData* mimeDataForItem(int position) const;

signals:
    void moveRequested(int from, int insertBefore);
    void filesDropped(const QList<QUrl>& urls);
    void deletePressed();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tabbing in marks a row as the current one; it becomes the selected entry, so what the list
    // highlights is what the window's details show.
    void focusInEvent(QFocusEvent* event) override;

private:
    int insertionPointAt(QPoint position) const;
    bool isOwnItem(const QMimeData* data, int* position) const;
    // Files from outside, or an item of this list.
    void acceptIfDroppable(QDropEvent* event) const;
};
