#include "ui/save_dialog.h"

#include <QDir>
#include <QGuiApplication>
#include <QList>
#include <QRegularExpression>

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

}  // namespace

bool CommonDialog::showSave(QWidget* parent) {
    return show(parent, QFileDialog::AcceptSave);
}

bool CommonDialog::showOpen(QWidget* parent) {
    return show(parent, QFileDialog::AcceptOpen);
}

bool CommonDialog::show(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
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

    if (!fileName_.isEmpty()) dialog.selectFile(fileName_);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    fileName_ = QDir::toNativeSeparators(chosen.first());
    return true;
}
