// SPDX-License-Identifier: MIT
#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/readers/text_decoding.h"
#include "playlist/readers/xml_source.h"

// A WPL file is XML: <smil><head><title>...</title></head><body><seq><media src="..."/>...
// The entries are the media elements' src in document order, the title is the first title
// element; entities and character references come decoded from the XML reader.
ReadResult ReadWpl(const QByteArray& bytes, const QString& playlistFolder) {
    if (WithoutUtf8Mark(bytes).trimmed().isEmpty()) return {PlaylistContents(), QString()};

    PlaylistContents contents;
    bool hasRoot = false;
    bool hasTitle = false;
    int titleDepth = 0;  // inside the first title element: its text, child elements' included
    XmlSource source(bytes);
    QXmlStreamReader& xml = source.reader();
    for (QXmlStreamReader::TokenType token = source.next(); !xml.atEnd(); token = source.next()) {
        if (titleDepth > 0) {
            if (token == QXmlStreamReader::Characters || token == QXmlStreamReader::EntityReference)
                contents.title += xml.text();
            if (token == QXmlStreamReader::StartElement) ++titleDepth;
            if (token == QXmlStreamReader::EndElement) --titleDepth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement) continue;
        if (!hasRoot) {
            hasRoot = true;
            if (xml.name() != u"smil")
                return ReadFailure(NotAPlaylistOfType(u"WPL") +
                                   QStringLiteral(" Корневой элемент не smil."));
        } else if (xml.name() == u"media") {
            AppendEntry(contents, xml.attributes().value(QLatin1StringView("src")), playlistFolder,
                        xml.lineNumber());
        } else if (xml.name() == u"title" && !hasTitle) {
            hasTitle = true;
            titleDepth = 1;
        }
    }
    contents.title = contents.title.trimmed();
    if (xml.hasError()) return ReadFailure(source.errorReason(u"WPL"));
    return {std::move(contents), QString()};
}
