// SPDX-License-Identifier: MIT
#include "ui/window_builder.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>
#include <QPixmapCache>

#include "playlist/file_patterns.h"
#include "ui/controls/drive_list.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/list_box.h"
#include "ui/controls/output_buffer.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/controls/text_box.h"
#include "ui/skin_accessibility.h"

namespace {

// Yellow on black, as every list, box and selector of the skin.
void PaintYellowOnBlack(QWidget* control) {
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, Qt::black);
    for (QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(role, kSkinTextColour);
    control->setPalette(palette);
}

SkinLabel* MakeLabel(ControlKind kind, QWidget* window) {
    SkinLabel* label = kind == ControlKind::ValueLabel     ? new ValueLabel(window)
                       : kind == ControlKind::CommandLabel ? new CommandLabel(window)
                                                           : new SkinLabel(window);
    SetTextColour(label, kSkinTextColour);
    // Text starts at the top of the rectangle, as the layout's rectangles assume: a label taller
    // than its line keeps the line at the top.
    label->setAlignment(Qt::AlignTop |
                        (kind == ControlKind::CommandLabel ? Qt::AlignHCenter : Qt::AlignLeft));
    if (kind == ControlKind::TitleLabel) label->setFont(SkinFont(13, true));
    return label;
}

SkinImage* MakeImage(ControlKind kind, QWidget* window) {
    auto* image = new SkinImage(window);
    image->setStretch(kind == ControlKind::Image);
    return image;
}

QWidget* MakeControl(const ControlSpec& spec, QWidget* window, const StartContext& start) {
    using K = ControlKind;
    switch (spec.kind) {
        case K::TextBox: {
            auto* box = new TextBox(spec.text.toString(), window);
            PaintYellowOnBlack(box);
            return box;
        }
        case K::OutputBuffer:
            return new OutputBuffer(window);
        case K::TypeSelector: {
            auto* selector = new QComboBox(window);
            PaintYellowOnBlack(selector);
            return selector;
        }
        case K::DriveList: {
            auto* drives = new DriveList(start.driveRoots, start.startFolder, window);
            PaintYellowOnBlack(drives);
            return drives;
        }
        case K::FolderList: {
            auto* folders = new FolderList(start.startFolder, window);
            PaintYellowOnBlack(folders);
            return folders;
        }
        case K::FileList: {
            auto* files = new FileList(kMediaFilePatterns, window);
            PaintYellowOnBlack(files);
            return files;
        }
        case K::ListBox:
        case K::PlaylistBox: {
            ListBox* list = spec.kind == K::ListBox ? new ListBox(window) : new PlaylistBox(window);
            PaintYellowOnBlack(list);
            return list;
        }
        case K::HolderImage:
        case K::Image:
        case K::TitleButton:
        case K::Background:
            return MakeImage(spec.kind, window);
        case K::CaptionLabel:
        case K::ValueLabel:
        case K::CommandLabel:
        case K::TitleLabel: {
            SkinLabel* label = MakeLabel(spec.kind, window);
            label->setText(spec.text.toString());
            return label;
        }
    }
    return nullptr;
}

}  // namespace

QString HighDensityFile(const QString& file) {
    const qsizetype dot = file.lastIndexOf(u'.');
    return file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
}

QPixmap ReadPicture(const QString& file) {
    // The format is named by the file's suffix and not guessed from the contents, so no image
    // plugin is loaded: BMP and PNG are built into Qt.
    QImageReader reader(file, file.mid(file.lastIndexOf(u'.') + 1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

namespace {

QPixmap DecodeSkinPicture(const QString& file) {
    if (qGuiApp->devicePixelRatio() > 1) {
        QPixmap sharp = ReadPicture(HighDensityFile(file));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return ReadPicture(file);
}

}  // namespace

QPixmap LoadSkinPicture(const QString& file) {
    // Decoded once for every window and control that shows it: the settings window lies on the
    // main window's background.
    QPixmap picture;
    if (!QPixmapCache::find(file, &picture)) {
        picture = DecodeSkinPicture(file);
        QPixmapCache::insert(file, picture);
    }
    return picture;
}

void SetTextColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QFont SkinFont(int pixelSize, bool bold) {
    QFont font;
    // Liberation Serif has Times New Roman's metrics, so the layout holds where that is missing.
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetUpSkinnedWindow(QWidget* window, QSize size) {
    InstallSkinAccessibility();
    window->setProperty(kSkinnedWindowProperty, true);
    window->setFixedSize(size);
    window->setFont(SkinFont());
}

QHash<QString, QWidget*> BuildControls(QWidget* window, std::span<const ControlSpec> layout,
                                       const StartContext& start) {
    QHash<QString, QWidget*> controls;
    for (auto spec = layout.rbegin(); spec != layout.rend(); ++spec) {
        QWidget* control = MakeControl(*spec, window, start);
        control->setObjectName(QString::fromLatin1(spec->name));
        control->setGeometry(spec->rect);
        if (const QString name = AccessibleNameOf(spec->name); !name.isEmpty())
            control->setAccessibleName(name);
        if (spec->picture) {
            static_cast<SkinImage*>(control)->setPicture(
                LoadSkinPicture(QString::fromLatin1(spec->picture)));
        }
        control->setVisible(spec->visible);
        control->raise();
        controls.insert(control->objectName(), control);
    }
    return controls;
}
