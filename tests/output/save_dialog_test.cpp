// SPDX-License-Identifier: MIT
#include "ui/save_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "tests/support/isolation.h"
#include "tests/support/modal_answer.h"

namespace {

// Runs the action on the modal window of the given kind as soon as it shows; until then polls.
template <typename Window>
void WhenShown(std::function<void(Window*)> action, int attemptsLeft = 300) {
    QTimer::singleShot(10, [action, attemptsLeft] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget()))
            action(window);
        else if (attemptsLeft > 0)
            WhenShown<Window>(action, attemptsLeft - 1);
        else
            ADD_FAILURE() << "the dialog never showed";
    });
}

QString MakeFolderPath(const QString& name) {
    QString path = WorkPath(name);
    EXPECT_TRUE(QDir().mkpath(path));
    return path;
}

CommonDialog SaveDialogFor(const QString& filter) {
    CommonDialog dialog;
    dialog.setFlags(CommonDialog::kOverwritePrompt);
    dialog.setFilter(filter);
    dialog.setFileName(QString());
    return dialog;
}

}  // namespace

TEST(SaveDialog, ConfirmedNameIsTheFullPathWithTheTypesExtension) {
    struct NameCase {
        QString typed;
        QString chosen;
    };
    const NameCase cases[] = {
        {WorkPath(QStringLiteral("party")), WorkPath(QStringLiteral("party.m3u"))},
        {WorkPath(QStringLiteral("party.m3u")), WorkPath(QStringLiteral("party.m3u"))},
        // A dot in the name is not an extension: the playlist stays a playlist.
        {WorkPath(QStringLiteral("Vol.2")), WorkPath(QStringLiteral("Vol.2.m3u"))},
        {WorkPath(QStringLiteral("party.txt")), WorkPath(QStringLiteral("party.txt.m3u"))},
        // Any playlist extension in any case is the user's choice and is kept.
        {WorkPath(QStringLiteral("mix.M3U8")), WorkPath(QStringLiteral("mix.M3U8"))},
        {WorkPath(QStringLiteral("mix.Pls")), WorkPath(QStringLiteral("mix.Pls"))},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        CommonDialog dialog = SaveDialogFor(QStringLiteral("M3U|*.m3u"));
        QStringList offered;
        WhenShown<QFileDialog>([&](QFileDialog* shown) {
            offered = shown->nameFilters();
            TypeFileNameAndAccept(shown, c.typed);
        });
        EXPECT_TRUE(dialog.showSave(nullptr));
        EXPECT_EQ(dialog.fileName(), QDir::toNativeSeparators(c.chosen));
        EXPECT_EQ(offered, QStringList{QStringLiteral("M3U (*.m3u)")});
    }
}

TEST(SaveDialog, CancelKeepsTheNameSetBefore) {
    for (const QString& before : {QString(), QStringLiteral("earlier.pls")}) {
        SCOPED_TRACE(before.toStdString());
        CommonDialog dialog = SaveDialogFor(QStringLiteral("PLS|*.pls"));
        dialog.setFileName(before);
        WhenShown<QFileDialog>([](QFileDialog* shown) { shown->reject(); });
        EXPECT_FALSE(dialog.showSave(nullptr));
        EXPECT_EQ(dialog.fileName(), before);
    }
}

TEST(SaveDialog, OverwritePromptFlagAsksBeforeReplacing) {
    const QString existing = WorkPath(QStringLiteral("old.wpl"));
    QFile(existing).open(QIODevice::WriteOnly);
    struct PromptCase {
        const char* what;
        quint32 flags;
        QMessageBox::StandardButton answer;  // NoButton: no question expected
        bool confirmed;
    };
    const PromptCase cases[] = {
        {"asked, No", CommonDialog::kOverwritePrompt, QMessageBox::No, false},
        {"asked, Yes", CommonDialog::kOverwritePrompt, QMessageBox::Yes, true},
        {"not asked", 0, QMessageBox::NoButton, true},
    };
    for (const PromptCase& c : cases) {
        SCOPED_TRACE(c.what);
        CommonDialog dialog = SaveDialogFor(QStringLiteral("WPL|*.wpl"));
        dialog.setFlags(c.flags);
        bool asked = false;
        WhenShown<QFileDialog>([&](QFileDialog* shown) {
            EXPECT_EQ(shown->testOption(QFileDialog::DontConfirmOverwrite),
                      !(c.flags & CommonDialog::kOverwritePrompt));
            if (c.answer != QMessageBox::NoButton) {
                WhenShown<QMessageBox>([&](QMessageBox* question) {
                    asked = true;
                    question->button(c.answer)->click();
                    // After a "No" the file dialog stays open for another name.
                    if (!c.confirmed)
                        WhenShown<QFileDialog>([](QFileDialog* again) { again->reject(); });
                });
            }
            TypeFileNameAndAccept(shown, existing);
        });
        EXPECT_EQ(dialog.showSave(nullptr), c.confirmed);
        EXPECT_EQ(asked, c.answer != QMessageBox::NoButton);
        EXPECT_EQ(dialog.fileName(), c.confirmed ? QDir::toNativeSeparators(existing) : QString());
    }
}

// The question about replacing names the file the extension makes of the typed name.
TEST(SaveDialog, AsksAboutTheFileTheNameWithItsExtensionWouldReplace) {
    const QString existing = WorkPath(QStringLiteral("Vol.2.m3u"));
    WriteBytes(existing, "#EXTM3U\n");
    CommonDialog dialog = SaveDialogFor(QStringLiteral("M3U|*.m3u"));
    QString question;
    WhenShown<QFileDialog>([&](QFileDialog* shown) {
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
            // The file dialog stays open for another name; the user gives up.
            QTimer::singleShot(0, shown, &QFileDialog::reject);
        });
        TypeFileNameAndAccept(shown, WorkPath(QStringLiteral("Vol.2")));
    });
    EXPECT_FALSE(dialog.showSave(nullptr));
    EXPECT_TRUE(question.startsWith("Vol.2.m3u")) << question.toStdString();
    EXPECT_EQ(ReadBytes(existing), "#EXTM3U\n");
}

// Until a file is confirmed the dialog opens where it is told; then where the last file was.
TEST(SaveDialog, OpensInTheGivenFolderThenInTheFolderOfTheLastFile) {
    const QString browsed = MakeFolderPath(QStringLiteral("browsed"));
    const QString chosen = MakeFolderPath(QStringLiteral("lists"));
    CommonDialog dialog = SaveDialogFor(QStringLiteral("M3U|*.m3u"));
    dialog.setInitialFolder(browsed);
    QStringList openedIn;
    const auto saveAs = [&](const QString& path) {
        WhenShown<QFileDialog>([&, path](QFileDialog* shown) {
            openedIn.append(shown->directory().absolutePath());
            TypeFileNameAndAccept(shown, path);
        });
        EXPECT_TRUE(dialog.showSave(nullptr));
    };
    saveAs(chosen + QStringLiteral("/a"));
    dialog.setInitialFolder(WorkPath(QString()));  // the browser moved on
    saveAs(QStringLiteral("b"));
    EXPECT_EQ(openedIn, QStringList({browsed, chosen}));
    EXPECT_EQ(dialog.fileName(), QDir::toNativeSeparators(chosen + QStringLiteral("/b.m3u")));
}

TEST(SaveDialog, SeveralTypesFollowTheSelectedOne) {
    CommonDialog dialog = SaveDialogFor(QStringLiteral(
        "Списки воспроизведения (*.m3u *.pls)|*.m3u;*.pls|M3U|*.m3u|PLS|*.pls|Все файлы|*"));
    QStringList offered;
    WhenShown<QFileDialog>([&](QFileDialog* shown) {
        offered = shown->nameFilters();
        // The user picks the PLS type with the keyboard, two down from the first.
        auto* types = shown->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int step = 0; step < 2; ++step) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(types, &down);
        }
        EXPECT_EQ(types->currentText().toStdString(), "PLS");
        TypeFileNameAndAccept(shown, WorkPath(QStringLiteral("mix")));
    });
    EXPECT_TRUE(dialog.showSave(nullptr));
    EXPECT_EQ(dialog.fileName().toStdString(),
              QDir::toNativeSeparators(WorkPath(QStringLiteral("mix.pls"))).toStdString());
    EXPECT_EQ(offered,
              (QStringList{QStringLiteral("Списки воспроизведения (*.m3u *.pls) (*.m3u *.pls)"),
                           QStringLiteral("M3U (*.m3u)"), QStringLiteral("PLS (*.pls)"),
                           QStringLiteral("Все файлы (*)")}));
}

TEST(SaveDialog, OpenAcceptsOnlyAnExistingFile) {
    const QString existing = WorkPath(QStringLiteral("found.pls"));
    QFile(existing).open(QIODevice::WriteOnly);
    CommonDialog dialog;
    dialog.setFilter(QStringLiteral("PLS|*.pls"));
    WhenShown<QFileDialog>([&](QFileDialog* shown) {
        EXPECT_EQ(shown->acceptMode(), QFileDialog::AcceptOpen);
        TypeFileNameAndAccept(shown, WorkPath(QStringLiteral("missing.pls")));
        // Still open: the name is refused. The existing one typed without its extension is taken.
        WhenShown<QFileDialog>([&](QFileDialog* again) {
            TypeFileNameAndAccept(again, WorkPath(QStringLiteral("found")));
        });
    });
    EXPECT_TRUE(dialog.showOpen(nullptr));
    EXPECT_EQ(dialog.fileName(), QDir::toNativeSeparators(existing));
}
