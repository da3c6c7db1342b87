// SPDX-License-Identifier: MIT
#include "playlist/playlist.h"

#include <QUndoCommand>
#include <algorithm>

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
    change();
    State after = state();
    if (after.entries == before.entries) return;
    history_.push(new PlaylistStep(*this, what, std::move(before), std::move(after)));
}

void Playlist::setCurrent(int row) {
    currentRow_ = row;
    emit currentEntryChanged(row);
}

void Playlist::restore(const State& state) {
    model_.setEntries(state.entries);
    setCurrent(std::min(state.currentRow, count() - 1));
}

qsizetype Playlist::append(const PlaylistEntries& entries, const QString& what) {
    const qsizetype room = kMaxPlaylistEntries - count();
    const qsizetype taken = std::clamp<qsizetype>(entries.size(), 0, room);
    if (taken > 0) change(what, [&] { model_.append(entries.first(taken)); });
    return entries.size() - taken;
}

qsizetype Playlist::replace(const PlaylistEntries& entries, const QString& what) {
    const qsizetype taken = std::min<qsizetype>(entries.size(), kMaxPlaylistEntries);
    change(what, [&] {
        model_.setEntries(entries.first(taken));
        setCurrent(-1);
    });
    return entries.size() - taken;
}

void Playlist::clear(const QString& what) {
    change(what, [&] {
        model_.setEntries({});
        setCurrent(-1);
    });
}

void Playlist::removeAt(int row) {
    if (row < 0 || row >= count()) return;
    change(QStringLiteral("удаление"), [&] {
        const int current = currentRow_;
        model_.removeAt(row);
        setCurrent(current > row ? current - 1 : std::min(current, count() - 1));
    });
}

void Playlist::move(int from, int insertBefore) {
    change(QStringLiteral("перемещение"), [&] {
        const int current = currentRow_;
        model_.move(from, insertBefore);
        const int to = insertBefore > from ? insertBefore - 1 : insertBefore;
        if (current == from)
            setCurrent(to);
        else if (current > from && current <= to)
            setCurrent(current - 1);
        else if (current < from && current >= to)
            setCurrent(current + 1);
    });
}

void Playlist::moveCurrentUp() {
    if (currentRow_ > 0) move(currentRow_, currentRow_ - 1);
}

void Playlist::moveCurrentDown() {
    if (currentRow_ >= 0 && currentRow_ + 1 < count()) move(currentRow_, currentRow_ + 2);
}

int Playlist::rearrange(const RowOrder& rows, const QString& what) {
    const int before = count();
    const int kept = static_cast<int>(rows.size());
    const int changed = kept == before ? MovedCount(rows) : before - kept;
    if (changed == 0) return 0;
    change(what, [&] {
        const int current = currentRow_;
        model_.rearrange(rows);
        const auto stays = std::find(rows.begin(), rows.end(), current);
        if (current < 0)
            setCurrent(-1);
        else if (stays != rows.end())
            setCurrent(static_cast<int>(stays - rows.begin()));
        else
            setCurrent(std::min(current, count() - 1));
    });
    return changed;
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
