// SPDX-License-Identifier: MIT
// Buttons light up when the pointer reaches them and go back to normal when it reaches the
// background they lie on. No record of a lit button is kept: each handler sets its pictures
// whatever they showed before.
#include "platform/window_move.h"
#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_main.h"

void frmMain::wireSkin() {
    connect(imgBack, &SkinImage::mouseMoved, this, &frmMain::imgBack_MouseMove);
    connect(imgInfo, &SkinImage::mouseMoved, this, &frmMain::imgInfo_MouseMove);
    connect(imgMinimize, &SkinImage::mouseMoved, this, &frmMain::imgMinimize_MouseMove);
    connect(imgClose, &SkinImage::mouseMoved, this, &frmMain::imgClose_MouseMove);
    for (int i = 0; i < kButtonGridSize; ++i)
        connect(imgButtons[i], &SkinImage::mouseMoved, this,
                [this, i] { imgButtons_MouseMove(i); });

    // The arrow buttons light up through their labels, which cover most of each image.
    const std::pair<const char*, SkinImage*> arrows[] = {
        {"lblDelAll", imgDelAll}, {"lblDel", imgDel}, {"lblAdd", imgAdd}, {"lblAddAll", imgAddAll}};
    for (const auto& [label, image] : arrows)
        connect(control<SkinLabel>(label), &SkinLabel::mouseMoved, this,
                [this, image = image] { image->setPicture(imgButtonO->picture()); });

    for (SkinImage* background : {imgBack, imgInfo})
        connect(background, &SkinImage::mousePressed, this, &frmMain::background_MouseDown);
}

void frmMain::imgBack_MouseMove() {
    imgMinimize->setPicture(imgMinimizeN->picture());
    imgClose->setPicture(imgCloseN->picture());
    for (SkinImage* arrow : {imgDelAll, imgDel, imgAdd, imgAddAll})
        arrow->setPicture(imgButtonN->picture());
}

void frmMain::imgInfo_MouseMove() {
    for (SkinImage* button : imgButtons) button->setPicture(imgButtonN->picture());
}

void frmMain::imgButtons_MouseMove(int index) {
    imgButtons[index]->setPicture(imgButtonO->picture());
}

void frmMain::imgMinimize_MouseMove() {
    imgMinimize->setPicture(imgMinimizeO->picture());
    imgClose->setPicture(imgCloseN->picture());
}

void frmMain::imgClose_MouseMove() {
    imgClose->setPicture(imgCloseO->picture());
    imgMinimize->setPicture(imgMinimizeN->picture());
}

void frmMain::background_MouseDown(Qt::MouseButton button, QPoint pressPoint) {
    // Any mouse button moves the window, and the move ends when that button comes up. The system's
    // move ends only on the left button's release, so it is asked for only while that is still
    // to come. Either way this returns when the move has ended.
    if (button != Qt::LeftButton || !mdlMain::LeftButtonDown()) {
        mdlMain::MoveByHand(windowHandle(), pressPoint);
        return;
    }
    mdlMain::ReleaseCapture();
    mdlMain::SendMessageA(windowHandle(), mdlMain::kNonClientLeftButtonDown, mdlMain::kCaptionHit,
                          mdlMain::PointParam(pressPoint));
}
