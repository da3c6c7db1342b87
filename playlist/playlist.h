// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QUndoStack>

#include "playlist/playlist_model.h"
#include "playlist/playlist_order.h"

// The playlist document: its entries (the model the windows show), the current entry, and the
// history of its changes. Every change is one operation here and one step of the history, which
// "Отменить" takes back and "Повторить" makes again whole, entries and current entry together; a
// window only turns its controls' events into these calls.
class Playlist : public QObject {
    Q_OBJECT
public:
    explicit Playlist(QObject* parent = nullptr);

    // For the views; changed only through the operations below.
    PlaylistModel& model() { return model_; }
    const PlaylistEntries& entries() const { return model_.entries(); }
    int count() const { return model_.count(); }
    QUndoStack& history() { return history_; }

    // The selected entry (-1 for none). The window reports the user's choice here; operations and
    // steps of the history move it and say so with currentEntryChanged.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }

    // The operations. Each returns what the user is told: how many entries did not fit under the
    // playlist's limit, or how many changed places or went. `what` names the step ("Отменить
    // добавление").
    qsizetype append(const PlaylistEntries& entries,
                     const QString& what = QStringLiteral("добавление"));
    // Replaces every entry with these, as far as they fit (opening a playlist file).
    qsizetype replace(const PlaylistEntries& entries, const QString& what);
    void clear(const QString& what);
    // The entry at `row`; the one that takes its place, or the new last one, becomes current.
    void removeAt(int row);
    // One entry so that it stands before the entry now at `insertBefore` (the count: the end).
    void move(int from, int insertBefore);
    // The current entry one place up or down; nothing at either end.
    void moveCurrentUp();
    void moveCurrentDown();
    // Keeps the entries at these rows in this order (playlist_order.h); the current entry stays
    // current where it went, and when it went, the current row moves as removeAt moves it.
    int rearrange(const RowOrder& rows, const QString& what);
    int sortByName();
    int sortByPath();
    int sortByTitle();
    int shuffle();
    int removeRepeats();
    int removeMissing();

signals:
    // The current row was set by an operation or a step of the history; the entry it names may be
    // another than before even where the row is the same.
    void currentEntryChanged(int row);

private:
    friend class PlaylistStep;
    struct State {
        PlaylistEntries entries;
        int currentRow;
    };
    State state() const { return {entries(), currentRow_}; }
    void restore(const State& state);
    void setCurrent(int row);
    // Runs a change and records it as one step named `what`, unless it changed nothing.
    template <typename Change>
    void change(const QString& what, Change change);

    PlaylistModel model_;
    QUndoStack history_;
    int currentRow_ = -1;
};
