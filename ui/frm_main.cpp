// SPDX-License-Identifier: MIT
#include "ui/frm_main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

#include "platform/app_info.h"
#include "platform/drive_roots.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "ui/controls/drive_list.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/list_box.h"
#include "ui/controls/output_buffer.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_about.h"
#include "ui/frm_tools.h"
#include "ui/message_box.h"

StartContext frmMain::defaultStartContext() {
    return {AvailableDriveRoots(), NativeFolderPath(QDir::currentPath()),
            NativeFolderPath(QCoreApplication::applicationDirPath())};
}

frmMain::frmMain(StartContext start)
    : QWidget(nullptr, Qt::FramelessWindowHint), applicationDirectory_(start.applicationDirectory) {
    setWindowTitle(kApplicationTitle);
    // Both sizes read as PNG by name: a QIcon made from the file would load every image plugin.
    QIcon icon;
    for (const QString& file :
         {QStringLiteral(":/skin/icon.png"), HighDensityFile(QStringLiteral(":/skin/icon.png"))})
        icon.addPixmap(ReadPicture(file));
    setWindowIcon(icon);
    SetUpSkinnedWindow(this, {kMainWindowWidth, kMainWindowHeight});
    controls_ = BuildControls(this, MainWindowLayout(), start);

    cmbPLType = control<QComboBox>("cmbPLType");
    Drive1 = control<DriveList>("Drive1");
    Dir1 = control<FolderList>("Dir1");
    File1 = control<FileList>("File1");
    lstP = control<ListBox>("lstP");
    lstPL = control<PlaylistBox>("lstPL");
    txtPLName = control<QLineEdit>("txtPLName");
    txtSave = control<OutputBuffer>("txtSave");
    lblPLName = control<SkinLabel>("lblPLName");
    lblPath = control<ValueLabel>("lblPath");
    lblSize = control<ValueLabel>("lblSize");
    lblType = control<ValueLabel>("lblType");
    lblRec = control<ValueLabel>("lblRec");
    imgBack = control<SkinImage>("imgBack");
    imgInfo = control<SkinImage>("imgInfo");
    imgMinimize = control<SkinImage>("imgMinimize");
    imgClose = control<SkinImage>("imgClose");
    imgMinimizeN = control<SkinImage>("imgMinimizeN");
    imgMinimizeO = control<SkinImage>("imgMinimizeO");
    imgCloseN = control<SkinImage>("imgCloseN");
    imgCloseO = control<SkinImage>("imgCloseO");
    imgButtonN = control<SkinImage>("imgButtonN");
    imgButtonO = control<SkinImage>("imgButtonO");
    imgDelAll = control<SkinImage>("imgDelAll");
    imgDel = control<SkinImage>("imgDel");
    imgAdd = control<SkinImage>("imgAdd");
    imgAddAll = control<SkinImage>("imgAddAll");
    for (int i = 0; i < kButtonGridSize; ++i)
        imgButtons[i] = control<SkinImage>(QStringLiteral("imgButtons(%1)").arg(i));

    cmbPLType->addItems({QStringLiteral("M3U"), QStringLiteral("PLS"), QStringLiteral("WPL")});
    cmbPLType->setCurrentIndex(-1);  // nothing selected until the load step picks M3U

    wirePlaylist();
    wireHandlers();
    wireSkin();
    wireKeys();
    wirePlaylistMenu();
    setFocusOrder();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::wireHandlers() {
    Dir1->shareReadingWith(File1);
    connect(cmbPLType, &QComboBox::currentIndexChanged, this, &frmMain::cmbPLType_Click);
    connect(Drive1, &DriveList::changed, this, &frmMain::Drive1_Change);
    connect(Dir1, &FolderList::changed, this, &frmMain::Dir1_Change);
    connect(Dir1, &FolderList::menuRequested, this, &frmMain::Dir1_MenuRequested);
    connect(lstPL, &ListBox::selectionChanged, this, &frmMain::lstPL_Click);
    connect(lstPL, &PlaylistBox::deletePressed, this, &frmMain::lblDel_Click);
    connect(lstPL, &PlaylistBox::moveRequested, this, &frmMain::lstPL_MoveEntry);
    connect(lstPL, &PlaylistBox::filesDropped, this, &frmMain::lstPL_FilesDropped);

    const std::pair<const char*, void (frmMain::*)()> clicks[] = {
        {"lblAdd", &frmMain::lblAdd_Click},       {"lblDel", &frmMain::lblDel_Click},
        {"lblAddAll", &frmMain::lblAddAll_Click}, {"lblDelAll", &frmMain::lblDelAll_Click},
        {"lblNew", &frmMain::lblNew_Click},       {"lblExit", &frmMain::lblExit_Click},
        {"lblTools", &frmMain::lblTools_Click},   {"lblAbout", &frmMain::lblAbout_Click},
        {"lblSave", &frmMain::lblSave_Click},     {"lblWA", &frmMain::lblWA_Click},
        {"lblMP", &frmMain::lblMP_Click},         {"lblOther", &frmMain::lblOther_Click},
        {"lblOpen", &frmMain::lblOpen_Click},
    };
    for (const auto& [name, handler] : clicks)
        connect(control<SkinLabel>(name), &SkinLabel::clicked, this, handler);
    connect(imgClose, &SkinImage::clicked, this, &frmMain::imgClose_Click);
    connect(imgMinimize, &SkinImage::clicked, this, &frmMain::imgMinimize_Click);
}

void frmMain::setFocusOrder() {
    QWidget* order[] = {Dir1, lstPL, File1, Drive1, cmbPLType, txtPLName};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    Dir1->setFocus();
}

PlaylistType frmMain::selectedPlaylistType() const {
    return static_cast<PlaylistType>(cmbPLType->currentIndex());
}

void frmMain::Form_Load() {
    // Each step stands alone: one that fails leaves the next to run.
    cmbPLType->setCurrentIndex(0);
    imgMinimize->setPicture(imgMinimizeN->picture());
    imgClose->setPicture(imgCloseN->picture());
    for (SkinImage* arrow : {imgDelAll, imgDel, imgAdd, imgAddAll})
        arrow->setPicture(imgButtonN->picture());
    for (SkinImage* button : imgButtons) button->setPicture(imgButtonN->picture());

    frmTools_ = std::make_unique<frmTools>(imgButtonN, imgButtonO);
    // Kept so that the unload step stores only what changed in this run.
    settingsAtLoad_ = ReadAppSettings();
    const auto atLoad = [this](Setting s) { return settingsAtLoad_[static_cast<size_t>(s)]; };
    frmTools_->txtMPPath->setText(atLoad(Setting::MediaPlayerCommand));
    frmTools_->txtWAPath->setText(atLoad(Setting::WinAmpCommand));
    frmTools_->txtOthPlPath->setText(atLoad(Setting::OtherPlayerCommand));
    Dir1->setPath(atLoad(Setting::Folder));
    Drive1->setDrive(atLoad(Setting::Drive));
}

void frmMain::Form_Unload() {
    const SettingValues current = {frmTools_->txtMPPath->text(), frmTools_->txtWAPath->text(),
                                   frmTools_->txtOthPlPath->text(), Dir1->path(), Drive1->drive()};
    if (const std::optional<QString> failure = WriteChangedAppSettings(settingsAtLoad_, current))
        ShowMessage(this, SettingsNotStoredMessage(SettingsLocation(kApplicationTitle), *failure));
    keepPlaylist();
    // The program ends with its main window: the hidden windows go with it.
    frmTools_->hide();
    if (frmAbout_) frmAbout_->hide();
    QCoreApplication::quit();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!std::exchange(unloaded_, true)) Form_Unload();
}

void frmMain::lblExit_Click() {
    close();
}

void frmMain::imgClose_Click() {
    lblExit_Click();
}

void frmMain::imgMinimize_Click() {
    setWindowState(windowState() | Qt::WindowMinimized);
}

void frmMain::lblTools_Click() {
    frmTools_->showModal();
}

void frmMain::lblAbout_Click() {
    if (!frmAbout_) frmAbout_ = std::make_unique<frmAbout>();
    frmAbout_->showModal();
}
