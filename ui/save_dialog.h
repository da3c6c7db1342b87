// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

class QWidget;

// The main window's file dialog control: the command sets the option flags, the filter and the
// file name, shows the dialog and reads the file name back. It shows a QFileDialog: the system's
// own dialog where there is one, Qt's elsewhere.
class CommonDialog {
public:
    // The one option flag the program uses: ask before replacing an existing file.
    static constexpr quint32 kOverwritePrompt = 0x2;

    void setFlags(quint32 flags) { flags_ = flags; }
    quint32 flags() const { return flags_; }

    // Descriptions and their patterns, all separated by "|": "M3U|*.m3u", or several pairs such as
    // "Списки (*.m3u *.pls)|*.m3u;*.pls|M3U|*.m3u". Patterns of one pair are separated by ";" or
    // spaces. The dialog shows the descriptions as given; the first pair is selected.
    void setFilter(const QString& filter) { filter_ = filter; }
    QString filter() const { return filter_; }

    // Before showing: the name the dialog starts with. After a confirmed dialog: the full path of
    // the chosen file, in the system's separators. After a cancel: what was set before.
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    QString fileName() const { return fileName_; }

    // Where the dialog opens until a file has been confirmed in it; from then on it opens in the
    // folder of the file confirmed last, as the system's own dialog does.
    void setInitialFolder(const QString& folder) { initialFolder_ = folder; }

    // Show the modal dialog and return whether the user confirmed a file. Save gives a name the
    // selected file type's extension unless it already ends in a playlist extension ("Vol.2" is
    // saved as "Vol.2.m3u"). Open accepts only an existing file.
    bool showSave(QWidget* parent);
    bool showOpen(QWidget* parent);

private:
    bool show(QWidget* parent, QFileDialog::AcceptMode mode);

    quint32 flags_ = 0;
    QString filter_;
    QString fileName_;
    QString initialFolder_;
    QString lastFolder_;
};

// The name to save under: the extension appended unless the name ends in a playlist extension
// already, in any case. An empty extension (a filter for every file) appends nothing.
QString WithPlaylistExtension(const QString& fileName, const QString& extension);
