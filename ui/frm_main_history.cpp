// SPDX-License-Identifier: MIT
// "Отменить" and "Повторить": every change to the playlist is one step of its history. A step
// keeps the playlist before and after; the lists share their texts with the model, so a step costs
// a pointer per entry and taking it back replaces the playlist at once, "<<" of a full playlist
// included.
#include <QUndoCommand>
#include <QUndoStack>

#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

namespace {

// Enough to take back a session's worth of edits without keeping every playlist of a long one.
constexpr int kHistorySteps = 100;

class PlaylistStep : public QUndoCommand {
public:
    PlaylistStep(frmMain& window, const QString& what, frmMain::PlaylistState before,
                 frmMain::PlaylistState after)
        : QUndoCommand(what),
          window_(window),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { window_.restorePlaylist(before_); }
    void redo() override {
        // The first redo comes as the step is recorded, after the change was already made.
        if (std::exchange(recorded_, true)) window_.restorePlaylist(after_);
    }

private:
    frmMain& window_;
    frmMain::PlaylistState before_;
    frmMain::PlaylistState after_;
    bool recorded_ = false;
};

}  // namespace

void frmMain::wireHistory() {
    history_ = new QUndoStack(this);
    history_->setUndoLimit(kHistorySteps);
}

frmMain::PlaylistState frmMain::playlistState() const {
    return {playlist_.fileNames(), playlist_.folders(), lstPL->listIndex()};
}

void frmMain::restorePlaylist(const PlaylistState& state) {
    playlist_.setEntries(state.fileNames, state.folders);
    const int selected = std::min(state.selected, playlist_.count() - 1);
    lstPL->setListIndex(selected);
    if (selected >= 0) lstPL_Click();
}

void frmMain::changePlaylist(const QString& what, const std::function<void()>& change) {
    // A change made inside another (the clearing that "Открыть" starts with) is part of its step.
    if (changeDepth_ > 0) return change();
    PlaylistState before = playlistState();
    ++changeDepth_;
    change();
    --changeDepth_;
    PlaylistState after = playlistState();
    if (after.fileNames == before.fileNames && after.folders == before.folders) return;
    history_->push(new PlaylistStep(*this, what, std::move(before), std::move(after)));
}
