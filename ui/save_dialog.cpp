// SPDX-License-Identifier: MIT
#include "ui/save_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QMessageBox>
#include <QRegularExpression>

#include "playlist/playlist_type.h"

namespace {

struct FileType {
    QString description;  // "M3U"
    QString nameFilter;   // in QFileDialog's form: "M3U (*.m3u)"
    QString extension;    // of the first pattern, "m3u"; empty for "*" or "*.*"
};

QString ExtensionOf(const QString& pattern) {
    static const QRegularExpression plainExtension(QStringLiteral("^\\*\\.([^*?\\[\\].]+)$"));
    const QRegularExpressionMatch match = plainExtension.match(pattern);
    return match.hasMatch() ? match.captured(1) : QString();
}

QList<FileType> FileTypesOf(const QString& filter) {
    static const QRegularExpression patternSeparators(QStringLiteral("[;\\s]+"));
    const QStringList parts = filter.split(u'|');
    QList<FileType> types;
    // A description without patterns after it (an odd last part) names nothing to match.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(patternSeparators, Qt::SkipEmptyParts);
        if (patterns.isEmpty()) continue;
        // The dialog hides the parenthesised patterns, so the description shows as it was given.
        types.append({parts[i].trimmed(),
                      parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')',
                      ExtensionOf(patterns.first())});
    }
    return types;
}

// Qt's own dialog, which gives a saved name its extension before it asks about replacing a file,
// so the question names the file that would be replaced.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && chosen.size() == 1 && !QFileInfo(chosen[0]).isDir()) {
            const QString named = WithPlaylistExtension(chosen[0], defaultSuffix());
            if (named != chosen[0]) selectFile(named);
        }
        QFileDialog::accept();
    }
};

// A system dialog has asked about the name as typed; the name with its extension may be another
// existing file.
bool MayReplace(QWidget* parent, const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(parent, QString(), question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

QString WithPlaylistExtension(const QString& fileName, const QString& extension) {
    if (extension.isEmpty() || PlaylistTypeOfFile(fileName)) return fileName;
    return fileName + u'.' + extension;
}

bool CommonDialog::showSave(QWidget* parent) {
    return show(parent, QFileDialog::AcceptSave);
}

bool CommonDialog::showOpen(QWidget* parent) {
    return show(parent, QFileDialog::AcceptOpen);
}

bool CommonDialog::show(QWidget* parent, QFileDialog::AcceptMode mode) {
    FileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(flags_ & kOverwritePrompt));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // The offscreen platform has no system dialog; Qt's own one can be driven by tests there.
    if (QGuiApplication::platformName() == u"offscreen")
        dialog.setOption(QFileDialog::DontUseNativeDialog);

    const QList<FileType> types = FileTypesOf(filter_);
    QStringList nameFilters;
    for (const FileType& type : types) nameFilters.append(type.nameFilter);
    dialog.setNameFilters(nameFilters);
    if (!types.isEmpty()) dialog.setDefaultSuffix(types.first().extension);
    // Qt's own dialog names the chosen type by its shown description, a system dialog by the
    // whole filter.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &types](const QString& chosen) {
                         for (const FileType& type : types) {
                             if (chosen == type.nameFilter || chosen == type.description) {
                                 dialog.setDefaultSuffix(type.extension);
                                 return;
                             }
                         }
                     });

    const QString startFolder = lastFolder_.isEmpty() ? initialFolder_ : lastFolder_;
    if (!startFolder.isEmpty()) dialog.setDirectory(startFolder);
    if (!fileName_.isEmpty()) dialog.selectFile(fileName_);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    QString path = chosen.first();
    if (mode == QFileDialog::AcceptSave) {
        const QString named = WithPlaylistExtension(path, dialog.defaultSuffix());
        if (named != path && (flags_ & kOverwritePrompt) && !MayReplace(parent, named))
            return false;
        path = named;
    }
    fileName_ = QDir::toNativeSeparators(path);
    lastFolder_ = QFileInfo(path).path();
    return true;
}
