// SPDX-License-Identifier: MIT
#include "playlist/playlist.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

#include "playlist/playlist_find.h"
#include "playlist/playlist_limits.h"

namespace {

// Enough to take back a session's worth of edits without keeping every playlist of a long one.
constexpr int kHistorySteps = 100;

int MovedCount(const RowOrder& rows) {
    int moved = 0;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) moved += rows[row] != row;
    return moved;
}

}  // namespace

// A step keeps the playlist before and after; the entries are shared with the model, so a step
// costs a pointer per entry and taking it back replaces the playlist at once, a clearing of a full
// playlist included.
class PlaylistStep : public QUndoCommand {
public:
    PlaylistStep(Playlist& playlist, const QString& what, Playlist::State before,
                 Playlist::State after)
        : QUndoCommand(what),
          playlist_(playlist),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { playlist_.restore(before_); }
    void redo() override {
        // The first redo comes as the step is recorded, after the change was already made.
        if (std::exchange(recorded_, true)) playlist_.restore(after_);
    }

private:
    Playlist& playlist_;
    Playlist::State before_;
    Playlist::State after_;
    bool recorded_ = false;
};

Playlist::Playlist(QObject* parent) : QObject(parent) {
    history_.setUndoLimit(kHistorySteps);
}

template <typename Change>
void Playlist::change(const QString& what, Change change) {
    State before = state();
    change(std::as_const(before));
    State after = state();
    if (after.entries == before.entries) return;
    history_.push(new PlaylistStep(*this, what, std::move(before), std::move(after)));
}

void Playlist::select(RowSet rows, int current) {
    selectedRows_ = std::move(rows);
    currentRow_ = current;
}

void Playlist::setCurrentRow(int row) {
    select(row >= 0 ? RowSet{row} : RowSet{}, row);
}

void Playlist::setSelection(RowSet rows, int current) {
    select(std::move(rows), current);
    emit currentEntryChanged(current);
}

void Playlist::restore(const State& state) {
    model_.setEntries(state.entries);
    setSelection(state.selectedRows, state.currentRow);
}

qsizetype Playlist::append(const PlaylistEntries& entries, const QString& what) {
    const qsizetype room = kMaxPlaylistEntries - count();
    const qsizetype taken = std::clamp<qsizetype>(entries.size(), 0, room);
    if (taken > 0) change(what, [&](const State&) { model_.append(entries.first(taken)); });
    return entries.size() - taken;
}

qsizetype Playlist::replace(const PlaylistEntries& entries, const QString& what) {
    const qsizetype taken = std::min<qsizetype>(entries.size(), kMaxPlaylistEntries);
    change(what, [&](const State&) {
        model_.setEntries(entries.first(taken));
        setSelection({}, -1);
    });
    return entries.size() - taken;
}

void Playlist::clear(const QString& what) {
    change(what, [&](const State&) {
        model_.setEntries({});
        setSelection({}, -1);
    });
}

void Playlist::removeRows(const RowSet& rows) {
    if (rows.empty() || rows.front() < 0 || rows.back() >= count()) return;
    const RowOrder kept = WithoutRows(count(), rows);
    const QString what = QStringLiteral("удаление");
    // One entry goes without a reset, so the list keeps where it was scrolled.
    if (rows.size() == 1)
        reorder(kept, what, [&] { model_.removeAt(rows.front()); });
    else
        rearrange(kept, what);
}

void Playlist::moveRows(const RowSet& rows, int insertBefore) {
    if (rows.empty() || rows.front() < 0 || rows.back() >= count()) return;
    const RowOrder order = RowsMovedBefore(count(), rows, insertBefore);
    if (rows.size() == 1)
        reorder(order, QStringLiteral("перемещение"),
                [&] { model_.move(rows.front(), insertBefore); });
    else
        rearrange(order, QStringLiteral("перемещение"));
}

void Playlist::moveSelectedUp() {
    rearrange(RowsMovedUp(count(), selectedRows_), QStringLiteral("перемещение"));
}

void Playlist::moveSelectedDown() {
    rearrange(RowsMovedDown(count(), selectedRows_), QStringLiteral("перемещение"));
}

void Playlist::followEntries(const RowOrder& rows, const State& before) {
    std::vector<int> placeOf(before.entries.size(), -1);
    for (int place = 0; place < static_cast<int>(rows.size()); ++place)
        placeOf[rows[place]] = place;
    RowSet selected;
    for (const int row : before.selectedRows)
        if (placeOf[row] >= 0) selected.push_back(placeOf[row]);
    std::sort(selected.begin(), selected.end());
    int current = before.currentRow;
    if (current >= 0 && placeOf[current] >= 0) {
        current = placeOf[current];
    } else if (current >= 0) {
        // The entry after the one that went takes its place.
        const auto keptAbove =
            std::count_if(rows.begin(), rows.end(), [current](int row) { return row < current; });
        current = std::min(static_cast<int>(keptAbove), count() - 1);
        selected = current >= 0 ? RowSet{current} : RowSet{};
    }
    setSelection(std::move(selected), current);
}

template <typename ModelChange>
int Playlist::reorder(const RowOrder& rows, const QString& what, ModelChange apply) {
    const int countBefore = count();
    const int kept = static_cast<int>(rows.size());
    const int changed = kept == countBefore ? MovedCount(rows) : countBefore - kept;
    if (changed == 0) return 0;
    // The selection as it was before the change: the views may report one of their own as the
    // model changes.
    change(what, [&](const State& before) {
        apply();
        followEntries(rows, before);
    });
    return changed;
}

int Playlist::rearrange(const RowOrder& rows, const QString& what) {
    return reorder(rows, what, [&] { model_.rearrange(rows); });
}

int Playlist::sortByName() {
    return rearrange(OrderByName(entries()), QStringLiteral("сортировку"));
}

int Playlist::sortByPath() {
    return rearrange(OrderByPath(entries()), QStringLiteral("сортировку"));
}

int Playlist::sortByTitle() {
    return rearrange(OrderByTitle(entries()), QStringLiteral("сортировку"));
}

int Playlist::shuffle() {
    return rearrange(ShuffledOrder(count()), QStringLiteral("перемешивание"));
}

int Playlist::removeRepeats() {
    return rearrange(WithoutRepeats(entries()), QStringLiteral("удаление повторов"));
}

int Playlist::removeMissing() {
    return rearrange(WithoutMissing(entries()), QStringLiteral("удаление отсутствующих"));
}

int Playlist::find(const QString& text) {
    findText_ = text;
    return findNext();
}

int Playlist::findNext() {
    RowSet found = FindEntries(entries(), findText_);
    if (found.empty()) return 0;
    const auto after = std::upper_bound(found.begin(), found.end(), currentRow_);
    const int current = after != found.end() ? *after : found.front();
    const int count = static_cast<int>(found.size());
    setSelection(std::move(found), current);
    return count;
}
