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

    // The selected entries and, among them, the current one, whose details the window shows (-1
    // for none). The window reports the user's choice here; operations and steps of the history
    // carry both along with their entries and say so with currentEntryChanged.
    int currentRow() const { return currentRow_; }
    const RowSet& selectedRows() const { return selectedRows_; }
    void select(RowSet rows, int current);
    // That entry alone (-1: none).
    void setCurrentRow(int row);

    // The operations. Each returns what the user is told: how many entries did not fit under the
    // playlist's limit, or how many changed places or went. `what` names the step ("Отменить
    // добавление").
    qsizetype append(const PlaylistEntries& entries,
                     const QString& what = QStringLiteral("добавление"));
    // Replaces every entry with these, as far as they fit (opening a playlist file).
    qsizetype replace(const PlaylistEntries& entries, const QString& what);
    void clear(const QString& what);
    // These entries go; where the current one went, the entry after it (or the new last one)
    // becomes current and alone selected.
    void removeRows(const RowSet& rows);
    void removeAt(int row) { removeRows({row}); }
    // These entries together, in their order, so that they stand before the entry now at
    // `insertBefore` (the count: the end).
    void moveRows(const RowSet& rows, int insertBefore);
    void move(int from, int insertBefore) { moveRows({from}, insertBefore); }
    // The selected entries one place up or down; those already together at that end stay.
    void moveSelectedUp();
    void moveSelectedDown();
    // Keeps the entries at these rows in this order (playlist_order.h); the selected and current
    // entries stay so where they went, and where the current one went, it is as removeRows says.
    int rearrange(const RowOrder& rows, const QString& what);
    int sortByName();
    int sortByPath();
    int sortByTitle();
    int shuffle();
    int removeRepeats();
    int removeMissing();

    // Find selects the entries that hold the text (playlist_find.h) and makes the first of them
    // after the current entry current; find next makes the next one current, from the top again
    // after the last. Each returns how many entries hold the text; neither is a change.
    int find(const QString& text);
    int findNext();

signals:
    // The current row was set by an operation or a step of the history; the entry it names may be
    // another than before even where the row is the same.
    void currentEntryChanged(int row);

private:
    friend class PlaylistStep;
    struct State {
        PlaylistEntries entries;
        RowSet selectedRows;
        int currentRow;
    };
    State state() const { return {entries(), selectedRows_, currentRow_}; }
    void restore(const State& state);
    // Sets the selection from an operation and tells the window.
    void setSelection(RowSet rows, int current);
    // The selection and current entry after the entries of `before` were rearranged in this order.
    void followEntries(const RowOrder& rows, const State& before);
    // A rearrangement that the model applies by `apply`, which may be cheaper than a reset.
    template <typename ModelChange>
    int reorder(const RowOrder& rows, const QString& what, ModelChange apply);
    // Runs a change, given the state before it, and records it as one step named `what`, unless it
    // changed nothing.
    template <typename Change>
    void change(const QString& what, Change change);

    PlaylistModel model_;
    QUndoStack history_;
    RowSet selectedRows_;
    int currentRow_ = -1;
    QString findText_;
};
