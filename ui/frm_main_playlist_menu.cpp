// SPDX-License-Identifier: MIT
// The playlist's context menu (right click or the Menu key on lstPL): the commands of the grid
// that act on the selected entry, and the ordering and clean-up commands, each also on a key.
#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "playlist/playlist_order.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_menu.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

namespace {

int MovedCount(const RowOrder& rows) {
    int moved = 0;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) moved += rows[row] != row;
    return moved;
}

}  // namespace

void frmMain::wirePlaylistMenu() {
    QMenu* menu = MakeSkinMenu(this);
    // Each item's key works on the whole window, as the grid's keys do.
    const auto add = [&](const QString& text, const QKeySequence& key, void (frmMain::*handler)()) {
        QAction* action = menu->addAction(text, this, handler);
        action->setShortcut(key);
        addAction(action);
    };
    QAction* undo = history_->createUndoAction(menu, QStringLiteral("Отменить"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = history_->createRedoAction(menu, QStringLiteral("Повторить"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        menu->addAction(action);
        addAction(action);
    }
    menu->addSeparator();
    // The playlist handles Delete itself; the menu only shows the key.
    QAction* remove = menu->addAction(QStringLiteral("Удалить"), this, &frmMain::lblDel_Click);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetShortcut);
    add(QStringLiteral("Вверх"), QKeySequence(Qt::CTRL | Qt::Key_Up),
        &frmMain::lstPL_MoveSelectedUp);
    add(QStringLiteral("Вниз"), QKeySequence(Qt::CTRL | Qt::Key_Down),
        &frmMain::lstPL_MoveSelectedDown);
    menu->addSeparator();
    add(QStringLiteral("Сортировать по имени"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        &frmMain::lstPL_SortByName);
    add(QStringLiteral("Сортировать по пути"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
        &frmMain::lstPL_SortByPath);
    add(QStringLiteral("Перемешать"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
        &frmMain::lstPL_Shuffle);
    menu->addSeparator();
    add(QStringLiteral("Убрать повторы"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
        &frmMain::lstPL_RemoveRepeats);
    add(QStringLiteral("Убрать отсутствующие"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
        &frmMain::lstPL_RemoveMissing);
    menu->addSeparator();
    add(QStringLiteral("Сохранить для переноса..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &frmMain::lstPL_SavePortable);
    add(QStringLiteral("Сохранить с тегами..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
        &frmMain::lstPL_SaveWithTags);
    add(QStringLiteral("Восстановить прошлый список"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &frmMain::lstPL_RestoreKept);
    playlistMenu_ = menu;

    lstPL->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstPL, &QWidget::customContextMenuRequested, this, [this](QPoint position) {
        const int row = lstPL->indexAt(position).row();
        if (row >= 0) {
            lstPL->setListIndex(row);
            lstPL_Click();
        }
        playlistMenu_->popup(lstPL->viewport()->mapToGlobal(position));
    });
}

void frmMain::lstPL_SortByName() {
    rearrangePlaylist(OrderByName(playlist_.fileNames()), QStringLiteral("сортировку"),
                      QStringLiteral("Переставлено записей"));
}

void frmMain::lstPL_SortByPath() {
    rearrangePlaylist(OrderByPath(playlist_.folders(), playlist_.fileNames()),
                      QStringLiteral("сортировку"), QStringLiteral("Переставлено записей"));
}

void frmMain::lstPL_Shuffle() {
    rearrangePlaylist(ShuffledOrder(playlist_.count()), QStringLiteral("перемешивание"),
                      QStringLiteral("Переставлено записей"));
}

void frmMain::lstPL_RemoveRepeats() {
    rearrangePlaylist(WithoutRepeats(playlist_.folders(), playlist_.fileNames()),
                      QStringLiteral("удаление повторов"), QStringLiteral("Убрано повторов"));
}

void frmMain::lstPL_RemoveMissing() {
    rearrangePlaylist(WithoutMissing(playlist_.folders(), playlist_.fileNames()),
                      QStringLiteral("удаление отсутствующих"),
                      QStringLiteral("Убрано отсутствующих файлов"));
}

void frmMain::rearrangePlaylist(const RowOrder& rows, const QString& what,
                                const QString& countCaption) {
    const int before = playlist_.count();
    const int changed = static_cast<int>(rows.size()) == before
                            ? MovedCount(rows)
                            : before - static_cast<int>(rows.size());
    if (changed > 0) {
        changePlaylist(what, [&] {
            const int selected = lstPL->listIndex();
            playlist_.rearrange(rows);
            // The selected entry stays selected where it went; when it went away, the selection
            // moves as "<" moves it.
            const auto kept = std::find(rows.begin(), rows.end(), selected);
            const int newRow = kept != rows.end() ? static_cast<int>(kept - rows.begin())
                                                  : std::min(selected, playlist_.count() - 1);
            if (selected >= 0) {
                lstPL->setListIndex(newRow);
                lstPL_Click();
            }
        });
    }
    ShowMessage(this, QStringLiteral("%1: %2.").arg(countCaption).arg(changed));
}
