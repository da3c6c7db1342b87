// SPDX-License-Identifier: MIT
// Paints the skin's pictures and writes them to a folder: ui/skin of the source tree unless
// another folder is given. Each picture comes twice, as NAME.bmp and NAME@2x.bmp for high-density
// screens; the desktop icons go to its icons/ folder. The pictures are committed; run this again
// after changing a painter.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>

#include "disc_icon.h"
#include "disc_icon_svg.h"
#include "ico_file.h"
#include "skin_pictures.h"

namespace {

// The sizes Windows takes a program's icon in: the title bar and small lists, the desktop,
// Explorer's large icons and its extra large ones.
constexpr int kWindowsIconSizes[] = {16, 32, 48, 256};
// The sizes of the freedesktop icon theme's folders the package fills, beside the SVG.
constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// NAME.bmp -> NAME@2x.bmp
QString AtScale(const QString& name, int scale) {
    if (scale == 1) return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

bool WriteFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

bool Report(bool saved, const QString& path) {
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(QDir::toNativeSeparators(path)));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(LYRANTEL_SKIN_DIR));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    bool allSaved = true;
    for (int scale : {1, 2}) {
        const struct {
            QImage picture;
            const char* name;
        } outputs[] = {
            {BackgroundPicture(scale), "background.bmp"},
            {ButtonPicture(false, scale), "button_normal.bmp"},
            {ButtonPicture(true, scale), "button_lit.bmp"},
            {MinimizePicture(false, scale), "minimize_normal.bmp"},
            {MinimizePicture(true, scale), "minimize_lit.bmp"},
            {ClosePicture(false, scale), "close_normal.bmp"},
            {ClosePicture(true, scale), "close_lit.bmp"},
            {AboutPicture(scale), "about.bmp"},
            {PaintDiscIcon(32 * scale), "icon.png"},
        };
        for (const auto& output : outputs) {
            const QString path = folder.filePath(AtScale(QString::fromLatin1(output.name), scale));
            allSaved = Report(output.picture.save(path), path) && allSaved;
        }
    }

    const QDir iconFolder(folder.filePath(QStringLiteral("icons")));
    if (!iconFolder.mkpath(QStringLiteral("."))) return 1;
    for (int size : kDesktopIconSizes) {
        const QString path = iconFolder.filePath(QStringLiteral("lyrantel_%1.png").arg(size));
        allSaved = Report(PaintDiscIcon(size).save(path), path) && allSaved;
    }
    const QString svgPath = iconFolder.filePath(QStringLiteral("lyrantel.svg"));
    allSaved = Report(WriteFile(DiscIconSvg(), svgPath), svgPath) && allSaved;
    QList<QImage> icons;
    for (int size : kWindowsIconSizes) icons.append(PaintDiscIcon(size));
    const QString iconPath = folder.filePath(QStringLiteral("icon.ico"));
    allSaved = Report(WriteIcoFile(icons, iconPath), iconPath) && allSaved;
    return allSaved ? 0 : 1;
}
