// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QWidget>
#include <array>

#include "output/playlist_file.h"
#include "platform/settings_keys.h"
#include "playlist/playlist.h"
#include "playlist/playlist_type.h"
#include "playlist/readers/playlist_readers.h"
#include "ui/save_dialog.h"
#include "ui/window_builder.h"

class QComboBox;
class QLineEdit;
class QMenu;
class DriveList;
class FileList;
class FolderList;
class ListBox;
class PlaylistBox;
class OutputBuffer;
class SkinImage;
class SkinLabel;
class ValueLabel;
class frmAbout;
class frmTools;

// The main window: its controls, built from the layout table, and the handlers of their events.
// Handlers are grouped by what they do, one file each: start, end and the window commands here;
// frm_main_browser, frm_main_playlist, frm_main_details, frm_main_open, frm_main_save,
// frm_main_send, frm_main_skin and frm_main_tree.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // The browser starts at the working folder, on the drive that holds it.
    explicit frmMain(StartContext start = defaultStartContext());
    ~frmMain() override;

    static StartContext defaultStartContext();

    // A control by its name, for the handlers' wiring and for tests.
    template <typename T>
    T* control(const QString& name) const {
        return qobject_cast<T*>(controls_.value(name));
    }

    frmTools& tools() { return *frmTools_; }
    // The playlist document: the entries that lstPL and lstP show, and their history. Every edit
    // of the playlist is one of its operations.
    Playlist& playlist() { return playlist_; }
    const Playlist& playlist() const { return playlist_; }
    // Created at its first use.
    frmAbout* about() { return frmAbout_.get(); }

    // Start and end.
    void Form_Load();
    void Form_Unload();
    void lblExit_Click();
    void imgClose_Click();
    void imgMinimize_Click();
    void lblTools_Click();
    void lblAbout_Click();

    // Browser and type selector.
    void Drive1_Change();
    void Dir1_Change();
    void cmbPLType_Click();

    // Playlist.
    void lblAdd_Click();
    void lblAddAll_Click();
    void lblDelAll_Click();
    void lblNew_Click();
    void lstPL_Click();
    void lblDel_Click();
    void lstPL_MoveEntry(int from, int insertBefore);
    void lstPL_FilesDropped(const QList<QUrl>& urls);
    // The playlist's context menu (frm_main_playlist_menu): the document's commands.
    QMenu* playlistMenu() const { return playlistMenu_; }

    // Folder list's menu (frm_main_tree): a folder's matching files, as ">>" does for the folder
    // shown, or those of the whole tree below it.
    void Dir1_MenuRequested(const QString& folder, QPoint globalPos);
    void Dir1_AddFolder(const QString& folder);
    void Dir1_AddTree(const QString& folder);
    // Their keys while the folder list has the focus, for the highlighted folder.
    static constexpr QKeyCombination kAddFolderKey{Qt::Key_Insert};
    static constexpr QKeyCombination kAddTreeKey = Qt::SHIFT | Qt::Key_Insert;

    // Output: the playlist's text into the buffer, the buffer into a file.
    void ComposePlaylistText(PlaylistType type, PlaylistTarget target);
    PlaylistFileResult WriteOutputBuffer(const QString& path);
    void lblSave_Click();
    // The Save dialog, then the playlist with its local entries relative to the saved file.
    void lstPL_SavePortable();
    // The Save dialog, then the playlist with each entry's length and title read from its tags.
    void lstPL_SaveWithTags();
    // The Save dialog, then the playlist as XSPF, a type the selector doesn't offer.
    void lstPL_SaveXspf();
    void lblOpen_Click();
    // Replaces the playlist with the file's entries, or says why the file can't be opened. The
    // whole file is read before anything changes: a file that can't be read, or whose reading the
    // user gives up, changes nothing.
    void OpenPlaylistFile(const QString& path);
    // The playlist of the last run, kept at its end, brought back as a step of the history.
    void lstPL_RestoreKept();
    // Paths handed to the program: playlists opened, media files added, a folder shown; what is
    // none of these is named in one message.
    void openArguments(const QStringList& paths);
    void lblWA_Click();
    void lblMP_Click();
    void lblOther_Click();

    // Skin.
    void imgBack_MouseMove();
    void imgInfo_MouseMove();
    void imgButtons_MouseMove(int index);
    void imgMinimize_MouseMove();
    void imgClose_MouseMove();
    void background_MouseDown(Qt::MouseButton button, QPoint pressPoint);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using CommandLineBuilder = QString (*)(const QString& command, const QString& playlistPath);
    void sendToPlayer(PlaylistType type, const QString& command,
                      CommandLineBuilder buildCommandLine);
    bool writeTemporaryPlaylist(PlaylistType type, QString* writtenPath);

    // The type selector's index, which the load step sets before any command can run.
    PlaylistType selectedPlaylistType() const;

    void wireHandlers();
    void wireSkin();
    void wireKeys();
    void wirePlaylist();
    void wirePlaylistMenu();
    std::optional<PlaylistContents> readPlaylistWithProgress(const QString& path);
    void replacePlaylist(const PlaylistContents& contents, const QString& what);
    // Keeps a playlist that isn't empty for the next run; an empty one leaves the kept one.
    void keepPlaylist();
    QString askSavePath(PlaylistType type);
    // Says why a save failed, or that some characters had to be replaced.
    void reportSave(const QString& path, const PlaylistFileResult& result);
    // Appends entries up to the playlist's limit, and says so when some don't fit.
    void addToPlaylist(const PlaylistEntries& entries, const QString& what);
    // The entry the playlist made current, selected in lstPL and shown in the details panel.
    void showCurrentEntry(int row);
    void setFocusOrder();

    // Declared before the controls' wiring uses it; the views let go of it when it goes.
    Playlist playlist_;
    QHash<QString, QWidget*> controls_;
    std::unique_ptr<frmTools> frmTools_;
    std::unique_ptr<frmAbout> frmAbout_;
    QString applicationDirectory_;
    SettingValues settingsAtLoad_;
    bool unloaded_ = false;
    QMenu* playlistMenu_ = nullptr;

public:
    // The controls the handlers use, by their names in the layout.
    QComboBox* cmbPLType;
    DriveList* Drive1;
    FolderList* Dir1;
    FileList* File1;
    ListBox* lstP;
    PlaylistBox* lstPL;
    QLineEdit* txtPLName;
    OutputBuffer* txtSave;
    CommonDialog dlg;
    SkinLabel* lblPLName;
    ValueLabel* lblPath;
    ValueLabel* lblSize;
    ValueLabel* lblType;
    ValueLabel* lblRec;
    SkinImage* imgBack;
    SkinImage* imgInfo;
    SkinImage* imgMinimize;
    SkinImage* imgClose;
    SkinImage* imgMinimizeN;
    SkinImage* imgMinimizeO;
    SkinImage* imgCloseN;
    SkinImage* imgCloseO;
    SkinImage* imgButtonN;
    SkinImage* imgButtonO;
    SkinImage* imgDelAll;
    SkinImage* imgDel;
    SkinImage* imgAdd;
    SkinImage* imgAddAll;
    std::array<SkinImage*, kButtonGridSize> imgButtons;
};
