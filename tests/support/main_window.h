// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "playlist/playlist_type.h"
#include "tests/support/playlist_entries.h"
#include "tests/support/playlist_type_names.h"
#include "tests/support/qt_printers.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

// A folder under the test's working folder holding empty files of these names (or of `size`).
QString MakeFolder(const QString& relativePath, const QStringList& fileNames = {}, qint64 size = 0);

// The main window as the program creates it, the browser started at the working folder. Extra
// roots stand in for other mounted drives. The application folder is "app" under the working
// folder unless given, so no test writes beside the test executables.
std::unique_ptr<frmMain> OpenMainWindow(const QStringList& extraDriveRoots = {},
                                        const QString& applicationDirectory = {});

// A left click in the middle of a control, as the user makes it.
void ClickOn(QWidget* control);

// Moves the browser to a folder: the folder list changes and the file list follows.
void BrowseTo(frmMain& window, const QString& folder);

// Chooses the type in the type selector, which runs its change action as the user's choice does.
void SelectPlaylistType(frmMain& window, PlaylistType type);

// The widget of `window` with the keyboard focus, once it has one: the platform activates a window
// that was just shown a little later, and until then the focus is elsewhere or nowhere. Null if
// the window doesn't get the focus in time.
QWidget* WaitForFocusIn(const QWidget* window, int timeoutMs = 5000);

// The playlist as shown: "folder/name" per row, the folder's last part read from lstP and the name
// from lstPL (which must have as many rows).
QStringList ShownEntries(const frmMain& window);
