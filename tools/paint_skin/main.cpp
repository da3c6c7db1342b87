// Paints the skin's pictures and writes them to a folder: ui/skin of the source tree unless
// another folder is given. The pictures are committed; run this again after changing a painter.

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "disc_icon.h"
#include "ico_file.h"
#include "skin_pictures.h"

namespace {

// The sizes Windows takes a program's icon in: the title bar and small lists, the desktop,
// Explorer's large icons and its extra large ones. Linux desktops get the 32 x 32 PNG.
constexpr int kWindowsIconSizes[] = {16, 32, 48, 256};

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

    const struct {
        QImage picture;
        const char* name;
    } outputs[] = {
        {BackgroundPicture(), "background.bmp"},
        {ButtonPicture(false), "button_normal.bmp"},
        {ButtonPicture(true), "button_lit.bmp"},
        {MinimizePicture(false), "minimize_normal.bmp"},
        {MinimizePicture(true), "minimize_lit.bmp"},
        {ClosePicture(false), "close_normal.bmp"},
        {ClosePicture(true), "close_lit.bmp"},
        {AboutPicture(), "about.bmp"},
        {PaintDiscIcon(32), "icon.png"},
    };
    bool allSaved = true;
    for (const auto& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.name));
        allSaved = Report(output.picture.save(path), path) && allSaved;
    }
    QList<QImage> icons;
    for (int size : kWindowsIconSizes) icons.append(PaintDiscIcon(size));
    const QString iconPath = folder.filePath(QStringLiteral("icon.ico"));
    allSaved = Report(WriteIcoFile(icons, iconPath), iconPath) && allSaved;
    return allSaved ? 0 : 1;
}
