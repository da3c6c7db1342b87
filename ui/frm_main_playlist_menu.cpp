// SPDX-License-Identifier: MIT
// The playlist's context menu (right click or the Menu key on lstPL): the commands of the grid
// that act on the selected entries, and the playlist document's ordering, clean-up and history
// commands, each also on a key.
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QUndoStack>

#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_menu.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

void frmMain::wirePlaylistMenu() {
    QMenu* menu = MakeSkinMenu(this);
    // Each item's key works on the whole window, as the grid's keys do.
    const auto add = [&](const QString& text, const QKeySequence& key, auto command) {
        QAction* action = menu->addAction(text, this, command);
        action->setShortcut(key);
        addAction(action);
    };
    // An ordering or clean-up command says how many entries changed places or went.
    const auto addCounted = [&](const QString& text, const QKeySequence& key,
                                int (Playlist::*command)(), const QString& caption) {
        add(text, key, [this, command, caption] {
            const int changed = (playlist_.*command)();
            ShowMessage(this, QStringLiteral("%1: %2.").arg(caption).arg(changed));
        });
    };
    QUndoStack& history = playlist_.history();
    QAction* undo = history.createUndoAction(menu, QStringLiteral("Отменить"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = history.createRedoAction(menu, QStringLiteral("Повторить"));
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
        [this] { playlist_.moveSelectedUp(); });
    add(QStringLiteral("Вниз"), QKeySequence(Qt::CTRL | Qt::Key_Down),
        [this] { playlist_.moveSelectedDown(); });
    // Find selects the entries that hold the text and says how many, in a message a screen reader
    // reads; the focus goes to the playlist, where the keys act on what was found.
    const auto reportFound = [this](int found) {
        lstPL->setFocus();
        ShowMessage(this, found > 0 ? QStringLiteral("Найдено записей: %1.").arg(found)
                                    : QStringLiteral("Ничего не найдено."));
    };
    const auto find = [this, reportFound] {
        if (const std::optional<QString> text =
                AskText(this, QStringLiteral("Найти в названиях, именах и папках:")))
            reportFound(playlist_.find(*text));
    };
    add(QStringLiteral("Найти..."), QKeySequence(Qt::CTRL | Qt::Key_F), find);
    add(QStringLiteral("Найти далее"), QKeySequence(Qt::Key_F3), [this, find] {
        // With nothing asked for yet, or nothing found any more, it asks.
        if (playlist_.findNext() > 0)
            lstPL->setFocus();
        else
            find();
    });
    menu->addSeparator();
    const QString moved = QStringLiteral("Переставлено записей");
    addCounted(QStringLiteral("Сортировать по имени"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), &Playlist::sortByName, moved);
    addCounted(QStringLiteral("Сортировать по названию"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), &Playlist::sortByTitle, moved);
    addCounted(QStringLiteral("Сортировать по пути"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &Playlist::sortByPath, moved);
    addCounted(QStringLiteral("Перемешать"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
               &Playlist::shuffle, moved);
    menu->addSeparator();
    addCounted(QStringLiteral("Убрать повторы"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
               &Playlist::removeRepeats, QStringLiteral("Убрано повторов"));
    addCounted(QStringLiteral("Убрать отсутствующие"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), &Playlist::removeMissing,
               QStringLiteral("Убрано отсутствующих файлов"));
    menu->addSeparator();
    add(QStringLiteral("Сохранить для переноса..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &frmMain::lstPL_SavePortable);
    add(QStringLiteral("Сохранить с тегами..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
        &frmMain::lstPL_SaveWithTags);
    menu->addAction(QStringLiteral("Сохранить как XSPF..."), this, &frmMain::lstPL_SaveXspf);
    add(QStringLiteral("Восстановить прошлый список"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &frmMain::lstPL_RestoreKept);
    playlistMenu_ = menu;

    lstPL->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstPL, &QWidget::customContextMenuRequested, this, [this](QPoint position) {
        // A right click on a selected entry keeps the selection the menu's commands act on.
        const QModelIndex item = lstPL->indexAt(position);
        if (item.isValid() && !lstPL->selectionModel()->isSelected(item)) {
            lstPL->setListIndex(item.row());
            lstPL_Click();
        }
        playlistMenu_->popup(lstPL->viewport()->mapToGlobal(position));
    });
}
