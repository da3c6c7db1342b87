// SPDX-License-Identifier: MIT
#include "ui/controls/playlist_box.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QIdentityProxyModel>
#include <QMimeData>

namespace {

// The drag of an item names this process and this list, so a drop from another window or another
// running copy of the program is never taken for a move inside this list.
const QString kItemFormat = QStringLiteral("application/x-lyrantel-playlist-item");

// The entries' table cut to its first column, row for row: a screen reader counts the columns of
// a list's model as items of each row.
class FirstColumnOnly : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 1;
    }
};

QByteArray OwnerTag(const QObject* list) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(list));
}

}  // namespace

PlaylistBox::PlaylistBox(QWidget* parent) : ListBox(parent) {
    // Shift and Ctrl with a click or the arrows, and Ctrl+A, select several entries.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void PlaylistBox::showNames(QAbstractItemModel* entries) {
    auto* names = new FirstColumnOnly(this);
    names->setSourceModel(entries);
    setModel(names);
    setModelColumn(0);
}

QMimeData* PlaylistBox::mimeDataForItem(int position) const {
    auto* data = new QMimeData;
    data->setData(kItemFormat, OwnerTag(this) + ':' + QByteArray::number(position));
    return data;
}

bool PlaylistBox::isOwnItem(const QMimeData* data, int* position) const {
    const QList<QByteArray> parts = data->data(kItemFormat).split(':');
    if (parts.size() != 3 || parts[0] + ':' + parts[1] != OwnerTag(this)) return false;
    bool ok = false;
    *position = parts[2].toInt(&ok);
    return ok && *position >= 0 && *position < listCount();
}

void PlaylistBox::startDrag(Qt::DropActions) {
    const int position = listIndex();
    if (position < 0) return;
    // The drop moves the item itself; nothing is removed when the drag ends.
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeDataForItem(position));
    drag->exec(Qt::MoveAction);
}

void PlaylistBox::acceptIfDroppable(QDropEvent* event) const {
    int position = 0;
    if (event->mimeData()->hasUrls() || isOwnItem(event->mimeData(), &position))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PlaylistBox::dragEnterEvent(QDragEnterEvent* event) {
    acceptIfDroppable(event);
}

void PlaylistBox::dragMoveEvent(QDragMoveEvent* event) {
    ListBox::dragMoveEvent(event);  // draws the drop indicator
    acceptIfDroppable(event);
}

void PlaylistBox::dropEvent(QDropEvent* event) {
    int from = 0;
    if (isOwnItem(event->mimeData(), &from)) {
        event->acceptProposedAction();
        emit moveRequested(from, insertionPointAt(event->position().toPoint()));
    } else if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        emit filesDropped(event->mimeData()->urls());
    } else {
        event->ignore();
    }
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

int PlaylistBox::insertionPointAt(QPoint position) const {
    const QModelIndex index = indexAt(position);
    if (!index.isValid()) return listCount();
    const QRect item = visualRect(index);
    return position.y() < item.center().y() ? index.row() : index.row() + 1;
}

void PlaylistBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    ListBox::keyPressEvent(event);
}

void PlaylistBox::focusInEvent(QFocusEvent* event) {
    ListBox::focusInEvent(event);
    if (listIndex() < 0 && currentIndex().isValid()) setListIndex(currentIndex().row());
}
