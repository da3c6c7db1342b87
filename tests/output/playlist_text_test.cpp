// SPDX-License-Identifier: MIT
#include "output/playlist_text.h"

#include <gtest/gtest.h>

#include <QDir>

#include "tests/support/playlist_entries.h"
#include "tests/support/playlist_type_names.h"

namespace {

QString Compose(PlaylistType type, PlaylistTarget target, const QStringList& folders,
                const QStringList& fileNames, const QString& title = QString(),
                QChar separator = u'\\') {
    QString buffer;
    AppendPlaylistLines(buffer, type, target, EntriesOf(fileNames, folders), title, separator);
    return buffer;
}

// The example playlist: a folder with a file, then a file in a drive's root folder.
const QStringList kFolders = {QStringLiteral("C:\\Music"), QStringLiteral("D:\\")};
const QStringList kNames = {QStringLiteral("a.mp3"), QStringLiteral("b.wma")};
const QString kTitle = QStringLiteral("Party & Co");

const char kWplExample[] =
    "<?wpl version=\"1.0\"?>\r\n<smil>\r\n<head>\r\n"
    "<meta name=\"Generator\" content=\"Lyrantel 1.0\"/>\r\n<author/>\r\n"
    "<title>Party &amp; Co</title>\r\n</head>\r\n<body>\r\n<seq>\r\n"
    "<media src=\"C:\\Music\\a.mp3\"/>\r\n<media src=\"D:\\b.wma\"/>\r\n"
    "</seq>\r\n</body>\r\n</smil>\r\n";

struct TextCase {
    PlaylistType type;
    PlaylistTarget target;
    const char* text;
};

}  // namespace

TEST(PlaylistText, ExampleInEveryTypeAndForm) {
    const TextCase cases[] = {
        {PlaylistType::M3U, PlaylistTarget::SaveFile,
         "#EXTM3U\r\n#EXTINF:0,?-?\r\nC:\\Music\\a.mp3\r\n#EXTINF:0,?-?\r\nD:\\b.wma\r\n"},
        {PlaylistType::M3U, PlaylistTarget::Player, "C:\\Music\\a.mp3\r\nD:\\b.wma\r\n"},
        {PlaylistType::PLS, PlaylistTarget::SaveFile,
         "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nTitle1=?-?\r\nLength1=0\r\n"
         "File2=D:\\b.wma\r\nTitle2=?-?\r\nLength2=0\r\nNumberOfEntries=2\r\nVersion=2\r\n"},
        {PlaylistType::PLS, PlaylistTarget::Player,
         "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nFile2=D:\\b.wma\r\nNumberOfEntries=2\r\n"
         "Version=2\r\n"},
        {PlaylistType::WPL, PlaylistTarget::SaveFile, kWplExample},
        {PlaylistType::WPL, PlaylistTarget::Player, kWplExample},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << NameOf(c.type) << ", " << NameOf(c.target));
        EXPECT_EQ(Compose(c.type, c.target, kFolders, kNames, kTitle).toStdString(), c.text)
            << int(c.type) << " " << int(c.target);
    }
}

TEST(PlaylistText, EmptyPlaylistHasOnlyTheFixedLines) {
    const TextCase cases[] = {
        {PlaylistType::M3U, PlaylistTarget::SaveFile, "#EXTM3U\r\n"},
        {PlaylistType::M3U, PlaylistTarget::Player, ""},
        {PlaylistType::PLS, PlaylistTarget::SaveFile,
         "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n"},
        {PlaylistType::PLS, PlaylistTarget::Player,
         "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n"},
        {PlaylistType::WPL, PlaylistTarget::Player,
         "<?wpl version=\"1.0\"?>\r\n<smil>\r\n<head>\r\n"
         "<meta name=\"Generator\" content=\"Lyrantel 1.0\"/>\r\n<author/>\r\n"
         "<title></title>\r\n</head>\r\n<body>\r\n<seq>\r\n</seq>\r\n</body>\r\n</smil>\r\n"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << NameOf(c.type) << ", " << NameOf(c.target));
        EXPECT_EQ(Compose(c.type, c.target, {}, {}).toStdString(), c.text)
            << int(c.type) << " " << int(c.target);
    }
}

TEST(PlaylistText, AppendsToWhatTheBufferHolds) {
    QString buffer = QStringLiteral("kept\r\n");
    AppendPlaylistLines(buffer, PlaylistType::M3U, PlaylistTarget::Player,
                        EntriesInFolder({QStringLiteral("a.mp3")}, QStringLiteral("/m")), QString(),
                        u'/');
    EXPECT_EQ(buffer, QStringLiteral("kept\r\n/m/a.mp3\r\n"));
}

TEST(PlaylistText, EntryNumbersAndCountAreNotPadded) {
    QStringList folders, names;
    for (int i = 1; i <= 250; ++i) {
        folders.append(QStringLiteral("/m"));
        names.append(QString::number(i) + QStringLiteral(".mp3"));
    }
    const QString text =
        Compose(PlaylistType::PLS, PlaylistTarget::SaveFile, folders, names, {}, u'/');
    EXPECT_TRUE(
        text.contains(QStringLiteral("\r\nFile10=/m/10.mp3\r\nTitle10=?-?\r\nLength10=0\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nFile250=/m/250.mp3\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\nNumberOfEntries=250\r\nVersion=2\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("File01")));
}

TEST(PlaylistText, TitleOnlyInWpl) {
    const QString title = QStringLiteral("Мой список");
    for (PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS})
        for (PlaylistTarget target : {PlaylistTarget::SaveFile, PlaylistTarget::Player}) {
            SCOPED_TRACE(testing::Message() << NameOf(type) << ", " << NameOf(target));
            EXPECT_EQ(Compose(type, target, kFolders, kNames, title),
                      Compose(type, target, kFolders, kNames, QString()));
        }
    EXPECT_TRUE(
        Compose(PlaylistType::WPL, PlaylistTarget::SaveFile, kFolders, kNames, title)
            .contains(QStringLiteral("\r\n<title>&#1052;&#1086;&#1081; "
                                     "&#1089;&#1087;&#1080;&#1089;&#1086;&#1082;</title>\r\n")));
}

TEST(PlaylistText, NonAsciiStaysAsItIsInM3uAndPls) {
    const QStringList folders = {QStringLiteral("/музыка")};
    const QStringList names = {QStringLiteral("Ёлка 𝄞 & <x>.mp3")};
    EXPECT_EQ(Compose(PlaylistType::M3U, PlaylistTarget::Player, folders, names, {}, u'/'),
              QStringLiteral("/музыка/Ёлка 𝄞 & <x>.mp3\r\n"));
    EXPECT_TRUE(Compose(PlaylistType::PLS, PlaylistTarget::Player, folders, names, {}, u'/')
                    .contains(QStringLiteral("\r\nFile1=/музыка/Ёлка 𝄞 & <x>.mp3\r\n")));
}

TEST(PlaylistText, WplEscapesPathsAndTitleIntoAsciiXml) {
    struct EscapeCase {
        QString raw;
        const char* escaped;
    };
    const EscapeCase cases[] = {
        {QStringLiteral("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f"},
        {QStringLiteral("Кино"), "&#1050;&#1080;&#1085;&#1086;"},
        {QStringLiteral("é€"), "&#233;&#8364;"},
        // Outside the basic plane: one reference of the code point, not two of its surrogates.
        {QStringLiteral("𝄞x😀"), "&#119070;x&#128512;"},
        // Tab and line ends as references, since an attribute value reads them raw as spaces.
        {QStringLiteral("a\tb\nc\rd"), "a&#9;b&#10;c&#13;d"},
        // What XML cannot hold even as a reference becomes the replacement character (a path
        // with a control character other than tab and line ends is written as a file URI).
        {QString(QChar(0xD800)) + u'z' + QChar(0xDC00) + QChar(0xFFFF),
         "&#65533;z&#65533;&#65533;"},
        {QString(), ""},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.escaped);
        const QString text = Compose(PlaylistType::WPL, PlaylistTarget::SaveFile,
                                     {QStringLiteral("/")}, {c.raw}, c.raw, u'/');
        const std::string escaped = c.escaped;
        EXPECT_TRUE(text.contains(QString::fromStdString("<title>" + escaped + "</title>\r\n")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromStdString("<media src=\"/" + escaped + "\"/>\r\n")))
            << text.toStdString();
    }
}

TEST(PlaylistText, SaveFilterNamesTheTypeAndItsExtension) {
    EXPECT_EQ(PlaylistSaveFilter(PlaylistType::M3U), QStringLiteral("M3U|*.m3u"));
    EXPECT_EQ(PlaylistSaveFilter(PlaylistType::PLS), QStringLiteral("PLS|*.pls"));
    EXPECT_EQ(PlaylistSaveFilter(PlaylistType::WPL), QStringLiteral("WPL|*.wpl"));
}

// Entries keep what their playlist carried: a saved M3U or PLS writes each title and length as
// it came (a stream's -1, an empty title), on one line, and the fixed "?-?" and 0 for what an entry
// doesn't carry; the players' forms and WPL are as without them.
TEST(PlaylistText, EntriesWriteTheTitleAndLengthTheyCarry) {
    PlaylistEntries entries = EntriesOf(kNames, kFolders);
    entries[0].title = QStringLiteral("Кино - Звезда");
    entries[0].seconds = 215;
    entries[1].title = QStringLiteral("evil\r\n#EXTM3U\r\nx");
    entries[1].seconds = -1;
    PlaylistEntry titleOnly = {QStringLiteral("D:\\"), QStringLiteral("c.mp3"), "", {}};
    PlaylistEntry lengthOnly = {QStringLiteral("D:\\"), QStringLiteral("d.mp3"), {}, 7};
    entries << titleOnly << lengthOnly << PlaylistEntry{QStringLiteral("D:\\"), "e.mp3", {}, {}};
    const struct {
        PlaylistType type;
        PlaylistTarget target;
        const char* text;
    } cases[] = {
        {PlaylistType::M3U, PlaylistTarget::SaveFile,
         "#EXTM3U\r\n#EXTINF:215,Кино - Звезда\r\nC:\\Music\\a.mp3\r\n"
         "#EXTINF:-1,evil  #EXTM3U  x\r\nD:\\b.wma\r\n#EXTINF:0,\r\nD:\\c.mp3\r\n"
         "#EXTINF:7,?-?\r\nD:\\d.mp3\r\n#EXTINF:0,?-?\r\nD:\\e.mp3\r\n"},
        {PlaylistType::PLS, PlaylistTarget::SaveFile,
         "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nTitle1=Кино - Звезда\r\nLength1=215\r\n"
         "File2=D:\\b.wma\r\nTitle2=evil  #EXTM3U  x\r\nLength2=-1\r\n"
         "File3=D:\\c.mp3\r\nTitle3=\r\nLength3=0\r\nFile4=D:\\d.mp3\r\nTitle4=?-?\r\n"
         "Length4=7\r\nFile5=D:\\e.mp3\r\nTitle5=?-?\r\nLength5=0\r\nNumberOfEntries=5\r\n"
         "Version=2\r\n"},
        {PlaylistType::M3U, PlaylistTarget::Player,
         "C:\\Music\\a.mp3\r\nD:\\b.wma\r\nD:\\c.mp3\r\nD:\\d.mp3\r\nD:\\e.mp3\r\n"},
        {PlaylistType::PLS, PlaylistTarget::Player,
         "[playlist]\r\nFile1=C:\\Music\\a.mp3\r\nFile2=D:\\b.wma\r\nFile3=D:\\c.mp3\r\n"
         "File4=D:\\d.mp3\r\nFile5=D:\\e.mp3\r\nNumberOfEntries=5\r\nVersion=2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << NameOf(c.type) << ", " << NameOf(c.target));
        QString buffer;
        AppendPlaylistLines(buffer, c.type, c.target, entries, kTitle, u'\\');
        EXPECT_EQ(buffer, QString::fromUtf8(c.text));
    }
    QString wpl;
    AppendPlaylistLines(wpl, PlaylistType::WPL, PlaylistTarget::SaveFile, entries.first(2), kTitle,
                        u'\\');
    EXPECT_EQ(wpl, QString::fromUtf8(kWplExample));
}

// The playlist kept between runs names itself and keeps every title on its own M3U lines.
TEST(PlaylistText, KeptPlaylistIsAnExtendedM3uWithItsName) {
    PlaylistEntries entries = EntriesOf({"a.mp3", "live"}, {"/m", "http://radio.example:8000"});
    entries[1].title = QStringLiteral("Radio, with commas");
    entries[1].seconds = -1;
    QString text;
    AppendKeptPlaylistLines(text, entries, QStringLiteral("Best\tmix"));
    EXPECT_EQ(text, QStringLiteral("#EXTM3U\r\n#PLAYLIST:Best mix\r\n#EXTINF:0,?-?\r\n") +
                        QDir::toNativeSeparators("/m/a.mp3") +
                        "\r\n#EXTINF:-1,Radio, with commas\r\nhttp://radio.example:8000/live\r\n");
}
