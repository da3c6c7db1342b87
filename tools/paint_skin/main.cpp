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

bool Save(const QImage& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    const bool saved =
        name.endsWith(QLatin1String(".ico")) ? WriteIcoFile(picture, path) : picture.save(path);
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

    const QImage icon = PaintDiscIcon();
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
        {icon, "icon.png"},
        {icon, "icon.ico"},
    };
    bool allSaved = true;
    for (const auto& output : outputs) {
        allSaved = Save(output.picture, folder, QString::fromLatin1(output.name)) && allSaved;
    }
    return allSaved ? 0 : 1;
}
