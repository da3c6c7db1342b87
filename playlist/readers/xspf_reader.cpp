// SPDX-License-Identifier: MIT
#include <QUrl>
#include <limits>
#include <vector>

#include "playlist/entry_path.h"
#include "playlist/file_uri.h"
#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/readers/text_decoding.h"
#include "playlist/readers/xml_source.h"

namespace {

// A location or an xml:base, resolved against the base URI it stands under. An absolute URI
// ("file:", "http:") is taken as it is, and so is a Windows path (a drive's, a server's) that some
// writers put in place of a URI.
QString ResolveReference(const QString& base, QString reference) {
    if (SchemeLength(reference) > 0 || reference.startsWith(u"\\\\")) return reference;
    // Relative entries written on Windows may use backslashes ("..\Music\a.mp3").
    reference.replace(u'\\', u'/');
    return QUrl(base).resolved(QUrl(reference, QUrl::TolerantMode)).toString(QUrl::FullyEncoded);
}

// The playlist's folder as the URI that relative locations start from ("file:///home/u/Lists/").
QString FolderUri(const QString& folder) {
    return EscapedUriOfEntry(folder.endsWith(u'/') || folder.endsWith(u'\\') ? folder
                                                                             : folder + u'/');
}

// A length in milliseconds, as whole seconds; none when it is not a count of them.
std::optional<int> SecondsOfDuration(QStringView text) {
    bool ok = false;
    const qint64 milliseconds = text.trimmed().toLongLong(&ok);
    if (!ok || milliseconds < 0 || milliseconds / 1000 > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(milliseconds / 1000);
}

// The text of an element whose words are read. No entry's location or title is longer than a line
// of a playlist may be, so text beyond that is not kept: it only marks the element as over-long.
struct ElementText {
    QString text;
    bool overLong = false;

    void append(QStringView more) {
        if (overLong) return;
        if (text.size() + more.size() > kMaxPlaylistLineBytes) {
            overLong = true;
            text.clear();
        } else {
            text += more;
        }
    }
};

// What the first location, title and duration of one track element said.
struct Track {
    std::optional<ElementText> location;
    QString locationBase;
    qsizetype locationLine = 0;
    std::optional<ElementText> title;
    std::optional<ElementText> duration;
};

// The elements whose place in the document is read; every other element, and all inside it, is
// passed over (extensions, meta, links, images, annotations).
enum class Role { Playlist, PlaylistTitle, TrackList, Track, Location, Title, Duration };

constexpr QStringView kXspfNamespace = u"http://xspf.org/ns/0/";

// XSPF's own elements are in its namespace, or in none, as some writers leave it out.
bool IsXspfElement(const QXmlStreamReader& xml, QStringView name) {
    return xml.name() == name &&
           (xml.namespaceUri().isEmpty() || xml.namespaceUri() == kXspfNamespace);
}

// <playlist><title/><trackList><track><location/><title/><duration/></track>...</trackList>
// </playlist>, any other elements around them.
class XspfDocument {
public:
    XspfDocument(PlaylistContents& contents, const QString& playlistFolder)
        : contents_(contents), playlistFolder_(playlistFolder) {}

    // False when the document is no XSPF playlist.
    bool start(const QXmlStreamReader& xml) {
        if (passedOver_ > 0) {
            ++passedOver_;
            return true;
        }
        const std::optional<Role> role = roleOf(xml);
        if (!role) {
            if (open_.empty()) return false;
            ++passedOver_;
            return true;
        }
        const QString& parentBase = open_.empty() ? folderBase_ : open_.back().base;
        const QStringView base = xml.attributes().value(QLatin1StringView("xml:base"));
        open_.push_back(
            {*role, base.isNull() ? parentBase : ResolveReference(parentBase, base.toString())});
        switch (*role) {
            case Role::Track:
                track_ = Track();
                break;
            case Role::Location:
                track_.location.emplace();
                track_.locationBase = open_.back().base;
                track_.locationLine = xml.lineNumber();
                break;
            case Role::Title:
                track_.title.emplace();
                break;
            case Role::Duration:
                track_.duration.emplace();
                break;
            case Role::PlaylistTitle:
                hasTitle_ = true;
                break;
            case Role::Playlist:
            case Role::TrackList:
                break;
        }
        return true;
    }

    void characters(QStringView text) {
        if (passedOver_ > 0 || open_.empty()) return;
        switch (open_.back().role) {
            case Role::Location:
                track_.location->append(text);
                break;
            case Role::Title:
                track_.title->append(text);
                break;
            case Role::Duration:
                track_.duration->append(text);
                break;
            case Role::PlaylistTitle:
                title_.append(text);
                break;
            case Role::Playlist:
            case Role::TrackList:
            case Role::Track:
                break;
        }
    }

    void end() {
        if (passedOver_ > 0) {
            --passedOver_;
            return;
        }
        const Role role = open_.back().role;
        open_.pop_back();
        if (role == Role::Track) keepTrack();
        if (role == Role::PlaylistTitle && !title_.overLong)
            contents_.title = title_.text.trimmed();
    }

private:
    struct OpenElement {
        Role role;
        QString base;  // the base URI of relative locations inside it
    };

    // The role of the element that starts here, none when it is passed over.
    std::optional<Role> roleOf(const QXmlStreamReader& xml) const {
        if (open_.empty())
            return IsXspfElement(xml, u"playlist") ? std::optional(Role::Playlist) : std::nullopt;
        const auto firstOf = [&](QStringView name, Role role, bool seen) -> std::optional<Role> {
            return !seen && IsXspfElement(xml, name) ? std::optional(role) : std::nullopt;
        };
        switch (open_.back().role) {
            case Role::Playlist:
                if (std::optional<Role> title = firstOf(u"title", Role::PlaylistTitle, hasTitle_))
                    return title;
                return firstOf(u"trackList", Role::TrackList, false);
            case Role::TrackList:
                return firstOf(u"track", Role::Track, false);
            case Role::Track:
                if (std::optional<Role> location =
                        firstOf(u"location", Role::Location, track_.location.has_value()))
                    return location;
                if (std::optional<Role> title =
                        firstOf(u"title", Role::Title, track_.title.has_value()))
                    return title;
                return firstOf(u"duration", Role::Duration, track_.duration.has_value());
            case Role::PlaylistTitle:
            case Role::Location:
            case Role::Title:
            case Role::Duration:
                break;
        }
        return std::nullopt;
    }

    void keepTrack() {
        // Once entries were left out, more of them change nothing.
        if (contents_.entriesLeftOut || !track_.location) return;
        if (track_.location->overLong) {
            NoteOverLongLine(contents_, track_.locationLine);
            return;
        }
        const QString location = track_.location->text.trimmed();
        if (location.isEmpty()) return;
        CarriedInfo info;
        if (track_.title && !track_.title->overLong) info.title = track_.title->text;
        if (track_.duration) info.seconds = SecondsOfDuration(track_.duration->text);
        AppendEntry(contents_, ResolveReference(track_.locationBase, location), playlistFolder_,
                    track_.locationLine, std::move(info));
    }

    PlaylistContents& contents_;
    const QString& playlistFolder_;
    const QString folderBase_ = FolderUri(playlistFolder_);
    // The read elements that are open, outermost first: at most four.
    std::vector<OpenElement> open_;
    // How deep inside an element that is passed over the reading is.
    qsizetype passedOver_ = 0;
    Track track_;
    bool hasTitle_ = false;
    ElementText title_;
};

}  // namespace

// An XSPF file is XML: each track's first location is an entry, its title and duration (in
// milliseconds) what the playlist says about it; the playlist's own title names it. Locations are
// URIs: relative ones are resolved against the xml:base around them, else against the file's
// folder. A document type declaration is refused, so that no entity the file declares is expanded.
ReadResult ReadXspf(const QByteArray& bytes, const QString& playlistFolder) {
    if (WithoutUtf8Mark(bytes).trimmed().isEmpty()) return {PlaylistContents(), QString()};

    PlaylistContents contents;
    XspfDocument document(contents, playlistFolder);
    XmlSource source(bytes);
    QXmlStreamReader& xml = source.reader();
    for (QXmlStreamReader::TokenType token = source.next(); !xml.atEnd(); token = source.next()) {
        switch (token) {
            case QXmlStreamReader::DTD:
                return ReadFailure(NotAPlaylistOfType(u"XSPF") +
                                   QStringLiteral(" В нём есть объявление DOCTYPE."));
            case QXmlStreamReader::StartElement:
                if (!document.start(xml))
                    return ReadFailure(NotAPlaylistOfType(u"XSPF") +
                                       QStringLiteral(" Корневой элемент не playlist."));
                break;
            case QXmlStreamReader::Characters:
                document.characters(xml.text());
                break;
            case QXmlStreamReader::EndElement:
                document.end();
                break;
            default:
                break;
        }
    }
    if (xml.hasError()) return ReadFailure(source.errorReason(u"XSPF"));
    return {std::move(contents), QString()};
}
