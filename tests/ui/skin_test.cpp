// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "tests/support/main_window.h"
#include "ui/controls/skin_image.h"
#include "ui/frm_tools.h"

namespace {

// The fifteen skinned images in a fixed order: grid 0..8, the four arrows, the two title buttons.
std::vector<SkinImage*> Skinned(const frmMain& w) {
    std::vector<SkinImage*> images(w.imgButtons.begin(), w.imgButtons.end());
    images.insert(images.end(),
                  {w.imgDelAll, w.imgDel, w.imgAdd, w.imgAddAll, w.imgMinimize, w.imgClose});
    return images;
}

std::pair<SkinImage*, SkinImage*> HoldersOf(const frmMain& w, const SkinImage* image) {
    if (image == w.imgMinimize) return {w.imgMinimizeN, w.imgMinimizeO};
    if (image == w.imgClose) return {w.imgCloseN, w.imgCloseO};
    return {w.imgButtonN, w.imgButtonO};
}

// 'N' or 'O' for each image whose picture is its holder's own (the same shared pixmap).
QString PictureStates(const frmMain& w) {
    QString states;
    for (const SkinImage* image : Skinned(w)) {
        const auto [normal, lit] = HoldersOf(w, image);
        const qint64 key = image->picture().cacheKey();
        states += key == normal->picture().cacheKey() ? u'N'
                  : key == lit->picture().cacheKey()  ? u'O'
                                                      : u'?';
    }
    return states;
}

void SetAll(const frmMain& w, bool lit) {
    for (SkinImage* image : Skinned(w)) {
        const auto [normal, litHolder] = HoldersOf(w, image);
        image->setPicture((lit ? litHolder : normal)->picture());
    }
}

}  // namespace

TEST(Skin, AfterStartEveryButtonShowsItsNormalPicture) {
    auto window = OpenMainWindow();
    EXPECT_EQ(PictureStates(*window), QString(15, u'N'));
    EXPECT_FALSE(window->imgButtonN->picture().isNull());
    EXPECT_NE(window->imgButtonN->picture().cacheKey(), window->imgButtonO->picture().cacheKey());
    EXPECT_EQ(window->imgBack->picture().cacheKey(), window->imgInfo->picture().cacheKey());
}

// Each pointer move sets some pictures (N or O) and leaves the others ('-') as they were.
TEST(Skin, PointerMovesSetPicturesByTheRules) {
    const struct {
        const char* where;
        QPoint point;
        const char* effect;  // grid 0..8, <<, <, >, >>, minimise, close
    } moves[] = {
        {"background above", {5, 150}, "---------NNNNNN"},
        {"background below", {5, 420}, "NNNNNNNNN------"},
        {"margin of grid 0", {122, 460}, "O--------------"},
        {"margin of grid 4", {242, 490}, "----O----------"},
        {"margin of grid 8", {468, 522}, "--------O------"},
        {"label <<", {232, 106}, "---------O-----"},
        {"label <", {232, 138}, "----------O----"},
        {"label >", {232, 178}, "-----------O---"},
        {"label >>", {232, 210}, "------------O--"},
        {"minimise", {470, 12}, "-------------ON"},
        {"close", {492, 12}, "-------------NO"},
        {"grid label", {170, 458}, "---------------"},
        {"margin of an arrow", {202, 180}, "---------------"},
        {"title text", {100, 25}, "---------------"},
        {"playlist", {300, 100}, "---------------"},
    };
    auto window = OpenMainWindow();
    window->show();
    for (const auto& move : moves) {
        for (const bool startLit : {false, true}) {
            SCOPED_TRACE(testing::Message() << move.where << (startLit ? " from lit" : ""));
            // Away first, so that the move below is a real one even where the last one ended.
            QTest::mouseMove(window.get(), QPoint(250, 400));
            SetAll(*window, startLit);
            QTest::mouseMove(window.get(), move.point);
            QString expected = QString::fromLatin1(move.effect);
            expected.replace(u'-', startLit ? u'O' : u'N');
            EXPECT_EQ(PictureStates(*window), expected)
                << move.where << (startLit ? " from lit" : "");
        }
    }
}

// A press of any button on either background moves the window until the button is released.
TEST(Skin, APressOnTheBackgroundMovesTheWindow) {
    const struct {
        QPoint point;
        Qt::MouseButton button;
        bool moves;
    } presses[] = {
        {{5, 150}, Qt::LeftButton, true},    {{5, 150}, Qt::RightButton, true},
        {{5, 420}, Qt::MiddleButton, true},  {{5, 420}, Qt::LeftButton, true},
        {{232, 178}, Qt::LeftButton, false}, {{100, 25}, Qt::LeftButton, false},
        {{300, 100}, Qt::LeftButton, false}, {{122, 460}, Qt::LeftButton, false},
    };
    auto window = OpenMainWindow();
    window->show();
    for (const auto& press : presses) {
        SCOPED_TRACE(testing::Message()
                     << press.point.x() << "," << press.point.y() << " button " << press.button);
        window->move(100, 100);
        const QPoint target = press.point + QPoint(30, 20);
        QWindow* handle = window->windowHandle();
        QTimer::singleShot(0, [&] {
            QTest::mouseMove(handle, target);
            // The window has followed the pointer, so the pointer is over the pressed point again.
            QTest::mouseRelease(handle, press.button, {}, press.moves ? press.point : target);
        });
        QTest::mousePress(handle, press.button, {}, press.point);
        QTest::qWait(10);
        EXPECT_EQ(window->pos(), press.moves ? QPoint(130, 120) : QPoint(100, 100))
            << press.point.x() << "," << press.point.y();
    }
}

TEST(Skin, ClicksOnTheTitleButtonsMinimiseAndClose) {
    auto window = OpenMainWindow();
    window->show();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, {470, 12});
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
    window->showNormal();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, {492, 12});
    EXPECT_FALSE(window->isVisible());
}

// Every picture of the skin has its high-density twin at exactly twice its size, so a window at
// scale 2 shows the same layout with twice the detail.
TEST(Skin, EveryPictureHasATwinAtTwiceItsSize) {
    const QStringList pictures = QDir(QStringLiteral(":/skin")).entryList({"*.bmp", "*.png"});
    int twins = 0;
    for (const QString& name : pictures) {
        if (name.contains(u'@')) continue;
        SCOPED_TRACE(name.toStdString());
        const QString file = QStringLiteral(":/skin/") + name;
        const QImage picture(file);
        const QImage sharp(HighDensityFile(file));
        ASSERT_FALSE(picture.isNull());
        ASSERT_FALSE(sharp.isNull());
        EXPECT_EQ(sharp.size(), picture.size() * 2);
        ++twins;
    }
    EXPECT_GE(twins, 9);  // the eight bitmaps and the window icon
}

// A picture is decoded once for every window: the settings window lies on the very pixmap of the
// main window's background.
TEST(Skin, WindowsShareTheirPictures) {
    auto window = OpenMainWindow();
    const auto* settingsBack = window->tools().control<SkinImage>("imgBack");
    EXPECT_EQ(settingsBack->picture().cacheKey(), window->imgBack->picture().cacheKey());
    EXPECT_EQ(window->imgInfo->picture().cacheKey(), window->imgBack->picture().cacheKey());
}
