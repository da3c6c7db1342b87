// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <functional>

#include "playlist/file_name_codec.h"
#include "playlist/playlist_limits.h"
#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/text_decoding.h"
#include "tests/support/isolation.h"
#include "tests/support/playlist_entries.h"

using namespace Qt::StringLiterals;

namespace {

using Reader = ReadResult (*)(const QByteArray&, const QString&);

const QString kFolder = QStringLiteral("/home/u/Lists");

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QStringList entries;  // written with "/", compared in native form
    QString title = QString();
};

QStringList Native(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths) native.append(QDir::toNativeSeparators(path));
    return native;
}

void ExpectReads(Reader read, const ReadCase& c) {
    SCOPED_TRACE(c.name);
    const ReadResult result = read(c.bytes, kFolder);
    ASSERT_TRUE(result.contents) << c.name << ": " << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty()) << c.name;
    EXPECT_EQ(PathsOf(result.contents->entries), Native(c.entries)) << c.name;
    EXPECT_EQ(result.contents->title, c.title) << c.name;
}

// Bytes of a literal that may hold NUL or be followed by a hex-looking character.
QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

}  // namespace

// Line ends, blanks, encodings and path forms are read the same way by the M3U and PLS readers,
// so they are covered once here.
TEST(M3uReader, ReadsRealFiles) {
    const ReadCase cases[] = {
        {"as this program writes it",
         "#EXTM3U\r\n#EXTINF:0,?-?\r\n/m/a b #1;&.mp3\r\n#EXTINF:0,?-?\r\n/m/\xD0\x9A.mp3\r\n\r\n",
         {"/m/a b #1;&.mp3", u"/m/К.mp3"_s}},
        {"UTF-8 byte-order mark, LF", "\xEF\xBB\xBF/m/a.mp3\n/m/b.mp3\n", {"/m/a.mp3", "/m/b.mp3"}},
        {"CR line ends", "/m/a.mp3\r/m/b.mp3\r", {"/m/a.mp3", "/m/b.mp3"}},
        {"mixed line ends, none at the end",
         "/m/a.mp3\r\n/m/b.mp3\n/m/c.mp3\r/m/d.mp3",
         {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3", "/m/d.mp3"}},
        {"blank lines and blanks around",
         "\r\n \t/m/a b.mp3 \t\r\n\r\n   \r\n\t/m/c.mp3",
         {"/m/a b.mp3", "/m/c.mp3"}},
        {"#EXTINF titles with commas are comments",
         "#EXTM3U\r\n#EXTINF:215,Artist, The - Song, Part 2\r\n/m/a.mp3\r\n#EXT-X-OTHER:1\r\n",
         {"/m/a.mp3"}},
        {"Windows-1251 text",
         "C:\\\xCC\xF3\xE7\xFB\xEA\xE0\\\xCA\xE8\xED\xEE.mp3",
         {u"C:\\Музыка\\Кино.mp3"_s}},
        // An editor that marks every file as UTF-8: the mark is no text, even where the rest is
        // Windows-1251 (which reads the mark as "п»ї").
        {"UTF-8 byte-order mark before Windows-1251 text",
         "\xEF\xBB\xBF/m/\xCA\xE8\xED\xEE.mp3\r\n/m/b.mp3",
         {u"/m/Кино.mp3"_s, "/m/b.mp3"}},
        {"UTF-8 text", "C:\\\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE \xC3\xA9.mp3", {u"C:\\Кино é.mp3"_s}},
        {"Windows-form paths stay as written",
         "C:\\Music\\a.mp3\r\nD:/b.mp3\r\n\\\\server\\share\\c.mp3\r\nE:\\",
         {"C:\\Music\\a.mp3", "D:/b.mp3", "\\\\server\\share\\c.mp3", "E:\\"}},
        {"relative paths against the list's folder",
         "Music\\a.mp3\r\n../Other/b.mp3\r\n./c.mp3\r\nsub/d e.mp3\r\n..\\..\\f.mp3",
         {"/home/u/Lists/Music/a.mp3", "/home/u/Other/b.mp3", "/home/u/Lists/c.mp3",
          "/home/u/Lists/sub/d e.mp3", "/home/f.mp3"}},
        {"file URIs, percent-decoded",
         "file:///m/a%20b%23c%3B.mp3\r\nfile:///C:/M/%D0%9A.mp3\r\nfile://localhost/m/x.mp3\r\n"
         "file://server/share/y.mp3\r\nFILE:///m/z.mp3\r\nfile:///D|/w.mp3\r\nfile:///m/%CA.mp3",
         {"/m/a b#c;.mp3", u"C:/M/К.mp3"_s, "/m/x.mp3", "//server/share/y.mp3", "/m/z.mp3",
          // The decoded bytes are the name on disk, kept even where they aren't UTF-8.
          "D:/w.mp3", u"/m/%1.mp3"_s.arg(QChar(0xDC80 + 0xCA - 0x80))}},
        {"file URI naming nothing is dropped", "file://\r\n/m/a.mp3", {"/m/a.mp3"}},
        {"other addresses are kept as written",
         "http://radio.example/a%20b.mp3",
         {"http://radio.example/a%20b.mp3"}},
        {"empty file", "", {}},
        {"byte-order mark only", "\xEF\xBB\xBF", {}},
        {"comments only", "#EXTM3U\r\n\r\n", {}},
    };
    for (const ReadCase& c : cases) ExpectReads(ReadM3u, c);
}

TEST(PlsReader, TakesFileKeysInOrderOfTheirNumbers) {
    const ReadCase cases[] = {
        {"as this program writes it",
         "[playlist]\r\nFile1=/m/a b.mp3\r\nTitle1=?-?\r\nLength1=0\r\nFile2=/m/\xD0\x9A.mp3\r\n"
         "Title2=?-?\r\nLength2=0\r\nNumberOfEntries=2\r\nVersion=2\r\n\r\n",
         {"/m/a b.mp3", u"/m/К.mp3"_s}},
        {"out of order, with gaps",
         "[playlist]\nFile10=/m/d\nFile3=/m/b\nFile1=/m/a\nFile7=/m/c\n",
         {"/m/a", "/m/b", "/m/c", "/m/d"}},
        {"NumberOfEntries too low",
         "[playlist]\nNumberOfEntries=1\nFile1=/m/a\nFile2=/m/b\n",
         {"/m/a", "/m/b"}},
        {"NumberOfEntries too high", "[playlist]\nFile1=/m/a\nNumberOfEntries=99\n", {"/m/a"}},
        {"NumberOfEntries not a number", "[playlist]\nFile1=/m/a\nNumberOfEntries=x\n", {"/m/a"}},
        {"keys and section in any case",
         "[PlayList]\nFILE2=/m/b\nfile1=/m/a\nNUMBEROFENTRIES=2",
         {"/m/a", "/m/b"}},
        {"blanks around keys and values",
         " [ playlist ] \r\n File1 = /m/a b.mp3 \r\n",
         {"/m/a b.mp3"}},
        {"value holding = and ;", "[playlist]\nFile1=/m/a=b;c.mp3", {"/m/a=b;c.mp3"}},
        {"empty value skipped", "[playlist]\nFile1=\nFile2=/m/b", {"/m/b"}},
        {"a repeated number keeps its first key",
         "[playlist]\nFile1=/m/a\nFile01=/m/x\nFile1=/m/y",
         {"/m/a"}},
        {"numbers longer than any integer",
         "[playlist]\nFile99999999999999999999999=/m/z\nFile2=/m/b\nFile100000000000000000000=/m/y",
         {"/m/b", "/m/y", "/m/z"}},
        {"only the playlist section counts",
         "[other]\nFile1=/m/x\n[playlist]\nFile1=/m/a\n[more]\nFile2=/m/y",
         {"/m/a"}},
        {"keys that only look like files are ignored",
         "[playlist]\nFile=/m/x\nFile1a=/m/y\nFiles1=/m/z\n;File2=/m/w\nFile1=/m/a",
         {"/m/a"}},
        {"relative and Windows-1251 entries",
         "[playlist]\r\nFile1=\xCA\xE8\xED\xEE.mp3\r\n",
         {u"/home/u/Lists/Кино.mp3"_s}},
        {"UTF-8 byte-order mark before Windows-1251 text",
         "\xEF\xBB\xBF[playlist]\r\nFile1=/m/\xCA\xE8\xED\xEE.mp3\r\n",
         {u"/m/Кино.mp3"_s}},
        {"empty file", "", {}},
        {"blank lines only", "\r\n \r\n", {}},
    };
    for (const ReadCase& c : cases) ExpectReads(ReadPls, c);
}

// What a playlist says about each entry: "Title" and seconds as written (nullopt: said nothing).
struct CarriedCase {
    const char* name;
    QByteArray bytes;
    QList<std::optional<QString>> titles;
    QList<std::optional<int>> seconds;
};

void ExpectCarried(const PlaylistEntries& entries, const QList<std::optional<QString>>& titles,
                   const QList<std::optional<int>>& seconds) {
    QList<std::optional<QString>> readTitles;
    QList<std::optional<int>> readSeconds;
    for (const PlaylistEntry& entry : entries) {
        readTitles.append(entry.title);
        readSeconds.append(entry.seconds);
    }
    EXPECT_EQ(readTitles, titles);
    EXPECT_EQ(readSeconds, seconds);
}

void ExpectCarries(Reader read, const CarriedCase& c) {
    SCOPED_TRACE(c.name);
    const ReadResult result = read(c.bytes, kFolder);
    ASSERT_TRUE(result.contents) << result.error.toStdString();
    ExpectCarried(result.contents->entries, c.titles, c.seconds);
}

// "#EXTINF:" belongs to the next entry, whatever comments stand between; the title is whole.
TEST(M3uReader, KeepsEachEntrysLengthAndTitle) {
    const CarriedCase cases[] = {
        {"radio list",
         "#EXTM3U\n#EXTINF:-1,Radio Paradise, main mix\nhttp://stream.example/rp\n"
         "#EXTINF:0,Zero\nhttp://h/z\n",
         {u"Radio Paradise, main mix"_s, u"Zero"_s},
         {-1, 0}},
        {"library with other comments between",
         "#EXTINF:213,Artist - Title\n#EXTVLCOPT:x\n# note\n/m/a.mp3\n/m/b.mp3\n",
         {u"Artist - Title"_s, std::nullopt},
         {213, std::nullopt}},
        {"attributes with a quoted comma, a fraction, an empty title",
         "#EXTINF:-1 tvg-name=\"A, B\" group-title=\"x\",News\nhttp://h/n\n"
         "#EXTINF:12.7,\n/m/c.mp3\n",
         {u"News"_s, u""_s},
         {-1, 12}},
        {"no comma, a length that is no number",
         "#EXTINF:99\n/m/a.mp3\n#EXTINF:abc,Named\n/m/b.mp3\n",
         {std::nullopt, u"Named"_s},
         {99, std::nullopt}},
        {"the fixed ?-? says nothing; the last #EXTINF counts; one left at the end is dropped",
         "#EXTINF:0,?-?\n/m/a.mp3\n#EXTINF:1,First\n#EXTINF:2,Second\n/m/b.mp3\n"
         "#EXTINF:5,?-?\n/m/c.mp3\n#EXTINF:3,Nothing after\n",
         {std::nullopt, u"Second"_s, u"?-?"_s},
         {std::nullopt, 2, 5}},
    };
    for (const CarriedCase& c : cases) ExpectCarries(ReadM3u, c);
    const ReadResult named = ReadM3u("#EXTM3U\n#PLAYLIST: Best mix \n/m/a.mp3\n", kFolder);
    ASSERT_TRUE(named.contents);
    EXPECT_EQ(named.contents->title, u"Best mix"_s);
}

// TitleN and LengthN go with FileN wherever they stand; a repeated key keeps its first value.
TEST(PlsReader, KeepsEachEntrysLengthAndTitle) {
    const CarriedCase cases[] = {
        {"keys out of order, as some stations write them",
         "[playlist]\nnumberofentries=3\nLength2=-1\nTitle2=(#2) SomaFM: Groove Salad\n"
         "File1=http://ice1.example/gs\nTitle1=(#1) SomaFM, Groove Salad\nLength1=-1\n"
         "File2=http://ice2.example/gs\nFile3=http://ice3.example/gs\nVersion=2\n",
         {u"(#1) SomaFM, Groove Salad"_s, u"(#2) SomaFM: Groove Salad"_s, std::nullopt},
         {-1, -1, std::nullopt}},
        {"as this program writes it, leading zeros, a repeat",
         "[playlist]\nFile1=/m/a\nTitle1=?-?\nLength1=0\nFile2=/m/b\nTITLE02=Two\n"
         "Title2=Other\nLength2=x\nLength3=9\n",
         {std::nullopt, u"Two"_s},
         {std::nullopt, std::nullopt}},
    };
    for (const CarriedCase& c : cases) ExpectCarries(ReadPls, c);
}

TEST(WplReader, ReadsMediaAndTitle) {
    const ReadCase cases[] = {
        {"as this program writes it",
         "<?wpl version=\"1.0\"?>\r\n<smil>\r\n<head>\r\n<meta name=\"Generator\" "
         "content=\"Lyrantel\"/>\r\n<title>&#1052;&#1086;&#1081; &amp; list</title>\r\n</head>\r\n"
         "<body>\r\n<seq>\r\n<media src=\"/m/a &amp; b &lt;1&gt; &quot;q&quot; "
         "&apos;s&apos;.mp3\"/>"
         "\r\n<media src=\"/m/&#1050;&#x438;.mp3\"/>\r\n</seq>\r\n</body>\r\n</smil>\r\n\r\n",
         {"/m/a & b <1> \"q\" 's'.mp3", u"/m/Ки.mp3"_s},
         u"Мой & list"_s},
        {"byte-order mark, XML declaration, relative and Windows-form sources",
         "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<smil><head><title> Evening "
         "</title></head><body><seq><media src=\"..\\Music\\a.wma\" tid=\"{1}\"/>"
         "<media src=\"C:\\Music\\b.mp3\"/></seq></body></smil>",
         {"/home/u/Music/a.wma", "C:\\Music\\b.mp3"},
         "Evening"},
        {"missing title, media without src, any nesting",
         "<smil><body><media/><media src=\"\"/><seq><seq><media src=\"/m/a\"/></seq></seq>"
         "</body></smil>",
         {"/m/a"}},
        {"first title only, in document order",
         "<smil><head><title>One</title><title>Two</title></head><body><media src=\"/m/b\"/>"
         "<media src=\"/m/a\"/></body></smil>",
         {"/m/b", "/m/a"},
         "One"},
        {"Windows-1251 bytes",
         "<smil><head><title>\xCA\xE8\xED\xEE</title></head></smil>",
         {},
         u"Кино"_s},
        {"internal entities",
         "<!DOCTYPE smil [<!ENTITY m \"/music\">]><smil><media src=\"&m;/a\"/></smil>",
         {"/music/a"}},
        {"empty file", "", {}},
        {"blanks only", "\xEF\xBB\xBF \r\n", {}},
    };
    for (const ReadCase& c : cases) ExpectReads(ReadWpl, c);
}

// The shapes today's players write, and every form of location: each track's first location is
// an entry, with its title and its length (milliseconds, cut to whole seconds).
TEST(XspfReader, ReadsLocationsTitlesAndLengths) {
    const QByteArray overLongTitle(kMaxPlaylistLineBytes + 1, 'x');
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList entries;  // written with "/", compared in native form
        QList<std::optional<QString>> titles;
        QList<std::optional<int>> seconds;
        QString title = QString();
    } cases[] = {
        {"VLC's shape: namespaces, extensions, escaped file URIs",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist xmlns=\"http://xspf.org/ns/0/\" "
         "xmlns:vlc=\"http://www.videolan.org/vlc/playlist/ns/0/\" version=\"1\">\n"
         "\t<title>\xD0\x9C\xD0\xBE\xD0\xB9</title>\n\t<trackList>\n\t\t<track>\n"
         "\t\t\t<location>file:///m/a%20b%20%231%25.flac</location>\n"
         "\t\t\t<title>Song, #1</title>\n\t\t\t<creator>Artist</creator>\n"
         "\t\t\t<duration>213400</duration>\n"
         "\t\t\t<extension application=\"http://www.videolan.org/vlc/playlist/0\">\n"
         "\t\t\t\t<vlc:id>0</vlc:id>\n\t\t\t</extension>\n\t\t</track>\n"
         "\t\t<track><location>file:///m/%D0%9A.ogg</location><extension application=\"x\">"
         "<vlc:id>1</vlc:id></extension></track>\n\t</trackList>\n"
         "\t<extension application=\"x\"><vlc:item tid=\"0\"/></extension>\n</playlist>\n",
         {"/m/a b #1%.flac", u"/m/К.ogg"_s},
         {u"Song, #1"_s, std::nullopt},
         {213, std::nullopt},
         u"Мой"_s},
        {"Audacious's shape: xml:base on the playlist, relative locations, meta",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
         "xmlns=\"http://xspf.org/ns/0/\" xml:base=\"file:///srv/Music/\">\n"
         "  <title>Evening &amp; night</title>\n  <trackList>\n    <track>\n"
         "      <location>Rock%20%26%20Roll.opus</location>\n"
         "      <title>Rock &amp; Roll</title>\n      <duration>187999</duration>\n"
         "      <meta rel=\"year\">1999</meta>\n    </track>\n  </trackList>\n</playlist>\n",
         {"/srv/Music/Rock & Roll.opus"},
         {u"Rock & Roll"_s},
         {187},
         "Evening & night"},
        {"relative against the file's folder, plain paths, addresses and Windows paths",
         "<playlist><trackList><track><location>Music/with%20space.mp3</location></track>"
         "<track><location>../Other/b%C3%A9.mp3</location></track>"
         "<track><location>..\\Win\\c.mp3</location></track>"
         "<track><location>/m/plain path 100%.mp3</location></track>"
         "<track><location>http://radio.example/live?a=1&amp;b=%20</location></track>"
         "<track><location>C:\\Music\\e.mp3</location></track>"
         "<track><location>file:///m/%CA.mp3</location></track></trackList></playlist>",
         {"/home/u/Lists/Music/with space.mp3", u"/home/u/Other/bé.mp3"_s, "/home/u/Win/c.mp3",
          "/m/plain path 100%.mp3", "http://radio.example/live?a=1&b=%20", "C:\\Music\\e.mp3",
          // The decoded bytes are the name on disk, kept even where they aren't UTF-8.
          u"/m/%1.mp3"_s.arg(QChar(0xDC80 + 0xCA - 0x80))},
         QList<std::optional<QString>>(7),
         QList<std::optional<int>>(7)},
        {"xml:base on each level, each against the one around it",
         "<playlist xml:base=\"file:///srv/\"><trackList xml:base=\"Music/\">"
         "<track xml:base=\"Disc%201/\"><location>a.mp3</location></track>"
         "<track><location xml:base=\"http://h/x/\">y.mp3</location></track>"
         "<track><location>/abs.mp3</location></track></trackList></playlist>",
         {"/srv/Music/Disc 1/a.mp3", "http://h/x/y.mp3", "/abs.mp3"},
         QList<std::optional<QString>>(3),
         QList<std::optional<int>>(3)},
        {"only XSPF's own elements in their places, the first of each",
         "<playlist><location>/m/z</location><trackList>"
         "<track><location>/m/a</location><location>/m/x</location><title>One</title>"
         "<title>Two</title><duration>abc</duration></track>"
         "<track><title>no location</title></track><track><location> </location></track>"
         "<track><x:location xmlns:x=\"urn:x\">/m/y</x:location><location>/m/b</location>"
         "<extension application=\"x\"><title>Ext</title><duration>5000</duration></extension>"
         "<duration>-5000</duration></track>"
         "<track><location>/m/c</location><title><![CDATA[<Cdata> & co]]></title>"
         "<duration>999</duration></track>"
         "<track><location>/m/d</location><title></title>"
         "<duration>99999999999999999999</duration></track></trackList></playlist>",
         {"/m/a", "/m/b", "/m/c", "/m/d"},
         {u"One"_s, std::nullopt, u"<Cdata> & co"_s, u""_s},
         {std::nullopt, std::nullopt, 0, std::nullopt}},
        {"a title longer than any line is left out, its entry kept",
         "<playlist><title>" + overLongTitle + "</title><trackList><track><title>" + overLongTitle +
             "</title><location>/m/a</location></track></trackList></playlist>",
         {"/m/a"},
         {std::nullopt},
         {std::nullopt}},
        {"no tracks", "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"/>", {}, {}, {}},
        {"empty file", "", {}, {}, {}},
        {"blanks only", "\xEF\xBB\xBF \r\n", {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult result = ReadXspf(c.bytes, kFolder);
        ASSERT_TRUE(result.contents) << result.error.toStdString();
        EXPECT_EQ(PathsOf(result.contents->entries), Native(c.entries));
        ExpectCarried(result.contents->entries, c.titles, c.seconds);
        EXPECT_EQ(result.contents->title, c.title);
    }
    // A playlist in a folder whose name isn't UTF-8 finds its relative entries inside it.
    const QString folder = DecodeFileName("/m/\xCA\xE8\xED\xEE");
    const ReadResult inOddFolder = ReadXspf(
        "<playlist><trackList><track><location>a%20b.mp3</location></track></trackList>"
        "</playlist>",
        folder);
    ASSERT_TRUE(inOddFolder.contents) << inOddFolder.error.toStdString();
    EXPECT_EQ(PathsOf(inOddFolder.contents->entries), QStringList{folder + "/a b.mp3"});
}

// Files in every Unicode form a byte-order mark names, in each type: the same entries come back.
TEST(PlaylistReaders, ReadEveryUnicodeFormWithAMark) {
    const QString entry = u"/m/Кино é ♫.mp3"_s;
    const struct {
        Reader read;
        QString text;
    } types[] = {
        {ReadM3u, u"#EXTM3U\r\n#EXTINF:0,?-?\r\n%1\r\n/m/b.mp3\r\n"_s.arg(entry)},
        {ReadPls,
         u"[playlist]\r\nFile1=%1\r\nFile2=/m/b.mp3\r\nNumberOfEntries=2\r\n"_s.arg(entry)},
        {ReadWpl,
         u"<?wpl version=\"1.0\"?>\r\n<smil><body><seq><media src=\"%1\"/>"
         "<media src=\"/m/b.mp3\"/></seq></body></smil>\r\n"_s.arg(entry)},
        {ReadXspf,
         u"<?xml version=\"1.0\"?>\r\n<playlist><trackList><track><location>%1</location>"
         "</track><track><location>/m/b.mp3</location></track></trackList></playlist>\r\n"_s.arg(
             entry)},
    };
    const QStringConverter::Encoding forms[] = {
        QStringConverter::Utf8,    QStringConverter::Utf16LE, QStringConverter::Utf16BE,
        QStringConverter::Utf32LE, QStringConverter::Utf32BE,
    };
    for (const auto& type : types) {
        for (const QStringConverter::Encoding form : forms) {
            QStringEncoder encoder(form, QStringEncoder::Flag::WriteBom);
            const QByteArray bytes = encoder.encode(type.text);
            SCOPED_TRACE(testing::Message() << QStringConverter::nameForEncoding(form) << ": "
                                            << type.text.first(10).toStdString());
            const ReadResult result = type.read(bytes, kFolder);
            ASSERT_TRUE(result.contents) << result.error.toStdString();
            EXPECT_EQ(PathsOf(result.contents->entries), Native({entry, "/m/b.mp3"}));
        }
    }
}

// Text in no Unicode form: each line that isn't UTF-8 is read in the code page found over such
// lines; the WPL reader follows the XML declaration.
TEST(PlaylistReaders, FindTheCodePageOfEightBitText) {
    const ReadCase m3uCases[] = {
        {"one Latin-1 name", "/m/R\xF8yksopp - Eple.mp3\r\n", {u"/m/Røyksopp - Eple.mp3"_s}},
        {"Latin-1 names",
         "/m/Bj\xF6rk - J\xF3ga.mp3\r\n/m/Caf\xE9 del Mar.mp3\r\n/m/Coraz\xF3n.mp3\r\n",
         {u"/m/Björk - Jóga.mp3"_s, u"/m/Café del Mar.mp3"_s, u"/m/Corazón.mp3"_s}},
        {"Windows-1251 names",
         "/m/\xCF\xE5\xF1\xED\xFF \xEE \xF2\xF0\xE5\xE2\xEE\xE3\xE5.mp3\r\n/m/\xC7\xE8\xEC\xE0.mp3",
         {u"/m/Песня о тревоге.mp3"_s, u"/m/Зима.mp3"_s}},
        {"a Ukrainian name in Windows-1251",
         "/m/\xB2\xE2\xE0\xED \xB3 \xBF\xE6\xE0\xEA.mp3",
         {u"/m/Іван і їжак.mp3"_s}},
        {"one Windows-1251 line among UTF-8 ones",
         "/m/\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE.mp3\r\n/m/\xC7\xE8\xEC\xE0.mp3\r\n/m/"
         "\xC3\xA9t\xC3\xA9.mp3",
         {u"/m/Кино.mp3"_s, u"/m/Зима.mp3"_s, u"/m/été.mp3"_s}},
        {"one Latin-1 line among UTF-8 ones",
         "/m/\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE.mp3\n/m/R\xF8yksopp.mp3\n",
         {u"/m/Кино.mp3"_s, u"/m/Røyksopp.mp3"_s}},
    };
    for (const ReadCase& c : m3uCases) ExpectReads(ReadM3u, c);

    const ReadCase wplCases[] = {
        {"declared Windows-1251",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?><smil><media "
         "src=\"/m/\xC7\xE8\xEC\xE0\"/>"
         "</smil>",
         {u"/m/Зима"_s}},
        {"declared Latin-1, single quotes",
         "<?xml version='1.0' encoding='ISO-8859-1'?><smil><media src=\"/m/R\xF8yksopp\"/></smil>",
         {u"/m/Røyksopp"_s}},
        {"declared UTF-8 but written in Windows-1251",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><smil><media src=\"/m/\xC7\xE8\xEC\xE0\"/>"
         "</smil>",
         {u"/m/Зима"_s}},
    };
    for (const ReadCase& c : wplCases) ExpectReads(ReadWpl, c);
}

// The XML reader gets a large file in slices: no entry, character or title is lost at their seams,
// in UTF-8 and in UTF-16.
TEST(WplReader, ReadsALargeFileWhole) {
    QStringList entries;
    QString text = u"<smil><head><title>Т&amp;</title></head><body><seq>"_s;
    for (int i = 0; text.size() < qsizetype{1200} * 1024; ++i) {
        entries.append(u"/m/%1 Песня № ♫ é.mp3"_s.arg(i));
        text += u"<media src=\"/m/%1 Песня &#8470; ♫ &#xe9;.mp3\"/>"_s.arg(i);
    }
    text += u"</seq></body></smil>"_s;
    for (const QStringConverter::Encoding form :
         {QStringConverter::Utf8, QStringConverter::Utf16LE}) {
        SCOPED_TRACE(QStringConverter::nameForEncoding(form));
        const QByteArray bytes = QStringEncoder(form, QStringEncoder::Flag::WriteBom).encode(text);
        const ReadResult result = ReadWpl(bytes, kFolder);
        ASSERT_TRUE(result.contents) << result.error.toStdString();
        EXPECT_EQ(PathsOf(result.contents->entries), Native(entries));
        EXPECT_EQ(result.contents->title, u"Т&"_s);
    }
}

TEST(PlaylistReaders, GiveTheReasonWhenTheFileIsNotTheirs) {
    const struct {
        const char* name;
        Reader read;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"binary M3U", ReadM3u, Bytes(std::string_view("ID3\x03\x00\x00\x00\x00/m/a.mp3", 16)),
         u"Файл не является списком воспроизведения M3U."_s},
        {"binary PLS", ReadPls, Bytes(std::string_view("[playlist]\nFile1=\x00", 18)),
         u"Файл не является списком воспроизведения PLS."_s},
        {"PLS without its section", ReadPls, "File1=/m/a.mp3\r\n",
         u"Файл не является списком воспроизведения PLS. Нет раздела [playlist]."_s},
        {"PLS holding another section only", ReadPls, "[other]\nFile1=/m/a",
         u"Файл не является списком воспроизведения PLS. Нет раздела [playlist]."_s},
        {"XML that is not WPL", ReadWpl, "<html><media src=\"/m/a\"/></html>",
         u"Файл не является списком воспроизведения WPL. Корневой элемент не smil."_s},
        {"mismatched tag", ReadWpl,
         "<?wpl version=\"1.0\"?>\r\n<smil>\r\n<head><title>x</titel></head>\r\n</smil>\r\n",
         u"Файл не является списком воспроизведения WPL. Ошибка XML, строка 3: Opening and "
         u"ending tag mismatch."_s},
        {"cut short", ReadWpl, "<smil>\n<body>\n<media src=\"/m/a\"/>\n",
         u"Файл не является списком воспроизведения WPL. Ошибка XML, строка 4: Premature end of "
         u"document."_s},
        {"bad character reference", ReadWpl, "<smil>\n<media src=\"/m/&#0;\"/>\n</smil>",
         u"Файл не является списком воспроизведения WPL. Ошибка XML, строка 2: Invalid "
         u"character reference."_s},
        {"not XML at all", ReadWpl, "/m/a.mp3\r\n",
         u"Файл не является списком воспроизведения WPL. Ошибка XML, строка 1: Start tag "
         u"expected."_s},
        // No entity an XSPF declares is expanded, so a few lines can't grow into gigabytes, and
        // none is fetched from outside.
        {"XSPF declaring entities", ReadXspf,
         "<!DOCTYPE playlist [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>"
         "<playlist><trackList><track><location>/m/&b;</location></track></trackList></playlist>",
         u"Файл не является списком воспроизведения XSPF. В нём есть объявление DOCTYPE."_s},
        {"XSPF naming an outside definition", ReadXspf,
         "<?xml version=\"1.0\"?>\n<!DOCTYPE playlist SYSTEM \"http://example.invalid/x.dtd\">\n"
         "<playlist/>",
         u"Файл не является списком воспроизведения XSPF. В нём есть объявление DOCTYPE."_s},
        {"XSPF using an entity it doesn't declare", ReadXspf,
         "<playlist>\n<title>&x;</title>\n</playlist>",
         u"Файл не является списком воспроизведения XSPF. Ошибка XML, строка 2: Entity 'x' not "
         u"declared."_s},
        {"XML that is not XSPF", ReadXspf, "<smil><media src=\"/m/a\"/></smil>",
         u"Файл не является списком воспроизведения XSPF. Корневой элемент не playlist."_s},
        {"a playlist of another namespace", ReadXspf, "<x:playlist xmlns:x=\"urn:x\"/>",
         u"Файл не является списком воспроизведения XSPF. Корневой элемент не playlist."_s},
        {"XSPF cut short", ReadXspf, "<playlist>\n<trackList>\n<track><location>/m/a</location>\n",
         u"Файл не является списком воспроизведения XSPF. Ошибка XML, строка 4: Premature end of "
         u"document."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult result = c.read(c.bytes, kFolder);
        EXPECT_FALSE(result.contents) << c.name;
        EXPECT_EQ(result.error, c.reason) << c.name;
    }
}

TEST(PlaylistFileReader, PicksTheReaderByExtension) {
    const QString folder = TestWorkFolder();
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList entries;
        QString title = QString();
    } cases[] = {
        {"a.m3u", "#EXTM3U\r\nsub\\a.mp3\r\n", {folder + "/sub/a.mp3"}},
        {"b.M3U8", "/m/b.mp3", {"/m/b.mp3"}},
        {"c.Pls", "[playlist]\nFile1=c.mp3", {folder + "/c.mp3"}},
        {"d.WPL",
         "<smil><head><title>T</title></head><media src=\"d.mp3\"/></smil>",
         {folder + "/d.mp3"},
         "T"},
        {"e.Xspf",
         "<playlist><title>T</title><trackList><track><location>e%20f.mp3</location></track>"
         "</trackList></playlist>",
         {folder + "/e f.mp3"},
         "T"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult result = ReadPlaylistFile(WriteWorkFile(c.name, c.bytes));
        ASSERT_TRUE(result.contents) << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(PathsOf(result.contents->entries), Native(c.entries)) << c.name;
        EXPECT_EQ(result.contents->title, c.title) << c.name;
    }
}

TEST(PlaylistFileReader, RefusesWhatItCannotRead) {
    const QString tooLarge = WriteWorkFile("big.m3u", "/m/a.mp3\n");
    QFile(tooLarge).resize(kMaxPlaylistFileBytes + 1);  // sparse: costs no disk
    const QString folderNamedLikeAList = WorkPath("folder.m3u");
    QDir().mkpath(folderNamedLikeAList);
    // Opening a pipe would wait for a writer and freeze the window.
    const QString pipe = WorkPath("pipe.m3u");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString linkToPipe = WorkPath("link.pls");
    ASSERT_TRUE(QFile::link(pipe, linkToPipe));
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {WriteWorkFile("a.txt", "/m/a.mp3"),
         u"Неизвестный тип списка воспроизведения: ожидается файл .m3u, .m3u8, .pls, .wpl или "
         u".xspf."_s},
        {WriteWorkFile("noextension", "/m/a.mp3"),
         u"Неизвестный тип списка воспроизведения: ожидается файл .m3u, .m3u8, .pls, .wpl или "
         u".xspf."_s},
        {tooLarge, u"Файл больше 1024 МБ: это не список воспроизведения."_s},
        {WorkPath("missing.pls"), u"Файл не удалось прочитать: No such file or directory"_s},
        {folderNamedLikeAList, u"Это папка, а не обычный файл."_s},
        {pipe, u"Это именованный канал (FIFO), а не обычный файл."_s},
        {linkToPipe, u"Это именованный канал (FIFO), а не обычный файл."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const ReadResult result = ReadPlaylistFile(c.path);
        EXPECT_FALSE(result.contents) << c.path.toStdString();
        EXPECT_EQ(result.error, c.reason) << c.path.toStdString();
    }
}

// A file larger than 64 MiB, the limit of old, is read to its last line; one larger than the
// limit is refused unread (RefusesWhatItCannotRead).
TEST(PlaylistFileReader, ReadsAFileOfMoreThan64MiBToItsLastLine) {
    const qsizetype size = qsizetype{64} * 1024 * 1024 + 1;
    QByteArray bytes(size, '\n');  // blank lines between the first entry and the last
    bytes.replace(0, 12, "/m/first.mp3");
    bytes.replace(size - 11, 11, "/m/last.mp3");
    const QString large = WriteWorkFile("large.m3u", bytes);
    bytes.clear();
    const ReadResult read = ReadPlaylistFile(large);
    ASSERT_TRUE(read.contents) << read.error.toStdString();
    EXPECT_EQ(PathsOf(read.contents->entries), Native({"/m/first.mp3", "/m/last.mp3"}));
}

// The limit lies between the file of exactly its size, read to its last line, and the one of a
// byte more, refused however it grows while it is read. Shown on a small limit: a file of the
// real one would be a gigabyte to read.
TEST(PlaylistFileReader, ReadsAFileOfExactlyTheLimitAndNoMore) {
    const QByteArray bytes = "/m/first.mp3\n/m/last.mp3";
    const QString file = WriteWorkFile("limit.m3u", bytes);
    const ReadResult atLimit = ReadPlaylistFile(file, bytes.size());
    ASSERT_TRUE(atLimit.contents) << atLimit.error.toStdString();
    EXPECT_EQ(PathsOf(atLimit.contents->entries), Native({"/m/first.mp3", "/m/last.mp3"}));
    const ReadResult overLimit = ReadPlaylistFile(file, bytes.size() - 1);
    EXPECT_FALSE(overLimit.contents);
    EXPECT_TRUE(overLimit.error.startsWith(u"Файл больше ")) << overLimit.error.toStdString();
}

// The sample files of tests/data/playlists, which also seed the fuzz targets.
TEST(PlaylistFileReader, ReadsTheSampleFiles) {
    const QDir samples(QStringLiteral(LYRANTEL_TEST_PLAYLISTS));
    const QString musicFolder = QDir::cleanPath(samples.filePath("../Music"));
    const struct {
        const char* name;
        QStringList entries;
        QString title = QString();
    } cases[] = {
        {"ours.m3u", {"/home/u/Music/a b #1;&.mp3", u"/home/u/Music/Кино.mp3"_s}},
        {"cp1251_crlf.m3u", {samples.filePath(u"Музыка/Кино - Звезда.mp3"_s), "C:\\Music\\b.mp3"}},
        {"bom_lf.m3u8", {musicFolder + u"/Песня.mp3"_s, "/home/u/Music/a b.mp3"}},
        {"ours.pls", {"/home/u/Music/a b.mp3", u"/home/u/Music/Кино.mp3"_s}},
        {"gaps.pls", {"C:\\Music\\a.mp3", "C:\\Music\\c.mp3", samples.filePath("d.mp3")}},
        {"ours.wpl", {"/home/u/Music/a & b <1>.mp3", u"/home/u/Music/Кино.mp3"_s}, u"Мой & list"_s},
        {"relative_bom.wpl",
         {musicFolder + u"/Кино.wma"_s, "C:\\Music\\Rock & Roll.mp3"},
         u"Вечер"_s},
        {"vlc.xspf",
         {"/home/u/Music/Artist - Song #1.flac", u"/home/u/Music/Кино.ogg"_s,
          musicFolder + "/with space.mp3"},
         u"Плейлист"_s},
        {"audacious.xspf",
         {"/home/u/Music/Rock & Roll.opus", u"/media/usb/Ночь.m4a"_s},
         "Evening & night"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult result = ReadPlaylistFile(samples.filePath(c.name));
        ASSERT_TRUE(result.contents) << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(PathsOf(result.contents->entries), Native(c.entries)) << c.name;
        EXPECT_EQ(result.contents->title, c.title) << c.name;
    }
    const ReadResult broken = ReadPlaylistFile(samples.filePath("broken.wpl"));
    EXPECT_FALSE(broken.contents);
    EXPECT_TRUE(broken.error.contains(u"строка 3"_s)) << broken.error.toStdString();
}

// An entry longer than any path or address can be is left out and its line noted, whatever the
// type; what counts is the path it names, not how long its text is.
TEST(PlaylistReaders, LeaveOutAnEntryLongerThanAnyPathAndNoteItsLine) {
    const QString longest = "/m/" + QString(kMaxEntryBytes - 3, u'x');
    // The list's folder and a separator before it: 14 bytes.
    const QString relative = QString(kMaxEntryBytes - kFolder.size() - 1, u'x');
    const struct {
        const char* name;
        QString entry;
        QString path;  // empty: left out
    } entries[] = {
        {"the longest path", longest, longest},
        {"one byte more", longest + "x", {}},
        {"a line longer than any entry's text", longest + QString(qsizetype{16} * 1024, u'x'), {}},
        {"an address one byte too long", "http://h/" + QString(kMaxEntryBytes - 8, u'x'), {}},
        {"a file URI of the longest path, three times as long",
         "file:///m/" + QString(kMaxEntryBytes - 3, u'x').toUtf8().toPercentEncoding("", "x"),
         longest},
        {"a relative entry within the limit that its folder puts over it", relative + "x", {}},
        {"the same, one byte shorter", relative, kFolder + "/" + relative},
    };
    const struct {
        Reader read;
        const char* head;
        std::function<QString(const QString& entry, int number)> line;
        const char* tail;
    } types[] = {
        {ReadM3u, "#EXTM3U\r\n", [](const QString& entry, int) { return entry + "\r\n"; }, ""},
        {ReadPls, "[playlist]\r\n",
         [](const QString& entry, int number) { return u"File%1="_s.arg(number) + entry + "\r\n"; },
         "NumberOfEntries=3\r\n"},
        {ReadWpl, "<smil>\r\n",
         [](const QString& entry, int) { return "<media src=\"" + entry + "\"/>\r\n"; },
         "</smil>\r\n"},
        {ReadXspf, "<playlist><trackList>\r\n",
         [](const QString& entry, int) {
             return "<track><location>" + entry + "</location></track>\r\n";
         },
         "</trackList></playlist>\r\n"},
    };
    for (const auto& type : types) {
        for (const auto& c : entries) {
            SCOPED_TRACE(testing::Message() << type.head << c.name);
            QString text = type.head;
            const QStringList lines = {"/m/a.mp3", c.entry, "/m/b.mp3"};
            for (int i = 0; i < lines.size(); ++i) text += type.line(lines[i], i + 1);
            text += type.tail;
            const ReadResult result = type.read(text.toUtf8(), kFolder);
            ASSERT_TRUE(result.contents) << result.error.toStdString();
            QStringList expected = {"/m/a.mp3", c.path, "/m/b.mp3"};
            expected.removeAll(QString());
            EXPECT_EQ(PathsOf(result.contents->entries), Native(expected));
            EXPECT_EQ(result.contents->overLongLines,
                      c.path.isEmpty() ? QList<qsizetype>{3} : QList<qsizetype>{});
        }
    }
}

// A file of more entries than the playlist takes keeps the first of them and says that there were
// more, rather than holding them all; a PLS takes the lowest numbers wherever they stand.
TEST(PlaylistReaders, KeepOnlyTheEntriesThePlaylistTakes) {
    const auto m3u = [](int count) {
        QByteArray text;
        for (int i = 0; i < count; ++i) text += "/m/" + QByteArray::number(i) + "\n";
        return text;
    };
    // Highest numbers first, and a key naming nothing among them, so that the entries kept change
    // as the file is read.
    const auto pls = [](int count) {
        QByteArray text = "[playlist]\nFile0=\n";
        for (int i = count; i >= 1; --i)
            text += "File" + QByteArray::number(i) + "=/m/" + QByteArray::number(i - 1) + "\n";
        return text + "Title1=First\n";
    };
    const auto wpl = [](int count) {
        QByteArray text = "<smil>";
        for (int i = 0; i < count; ++i) text += "<media src=\"/m/" + QByteArray::number(i) + "\"/>";
        return text + "</smil>";
    };
    const auto xspf = [](int count) {
        QByteArray text = "<playlist><trackList>";
        for (int i = 0; i < count; ++i)
            text += "<track><location>/m/" + QByteArray::number(i) + "</location></track>";
        return text + "</trackList></playlist>";
    };
    const struct {
        const char* name;
        Reader read;
        std::function<QByteArray(int)> file;
    } types[] = {{"M3U", ReadM3u, m3u},
                 {"PLS", ReadPls, pls},
                 {"WPL", ReadWpl, wpl},
                 {"XSPF", ReadXspf, xspf}};
    for (const auto& type : types) {
        for (const int count : {kMaxPlaylistEntries, kMaxPlaylistEntries + 2}) {
            SCOPED_TRACE(testing::Message() << type.name << " of " << count);
            const ReadResult result = type.read(type.file(count), kFolder);
            ASSERT_TRUE(result.contents) << result.error.toStdString();
            const PlaylistEntries& entries = result.contents->entries;
            ASSERT_EQ(entries.size(), kMaxPlaylistEntries);
            EXPECT_EQ(EntryPath(entries.first()), QDir::toNativeSeparators("/m/0"));
            EXPECT_EQ(EntryPath(entries.last()),
                      QDir::toNativeSeparators("/m/%1").arg(kMaxPlaylistEntries - 1));
            EXPECT_EQ(result.contents->entriesLeftOut, count > kMaxPlaylistEntries);
        }
    }
    EXPECT_EQ(ReadPls(pls(kMaxPlaylistEntries + 2), kFolder).contents->entries.first().title,
              u"First"_s);
}
