#include <QXmlStreamReader>

#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/readers/text_decoding.h"

namespace {

QString XmlErrorReason(const QXmlStreamReader& xml) {
    return NotAPlaylistOfType(u"WPL") + QStringLiteral(" Ошибка XML, строка %1: %2")
                                            .arg(xml.lineNumber())
                                            .arg(xml.errorString());
}

}  // namespace

// A WPL file is XML: <smil><head><title>...</title></head><body><seq><media src="..."/>...
// The entries are the media elements' src in document order, the title is the first title
// element; entities and character references come decoded from the XML reader.
ReadResult ReadWpl(const QByteArray& bytes, const QString& playlistFolder) {
    const QString text = DecodePlaylistBytes(bytes);
    if (QStringView(text).trimmed().isEmpty()) return {PlaylistContents(), QString()};

    PlaylistContents contents;
    bool hasRoot = false;
    bool hasTitle = false;
    QXmlStreamReader xml(text);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (!hasRoot) {
            hasRoot = true;
            if (xml.name() != u"smil")
                return ReadFailure(NotAPlaylistOfType(u"WPL") +
                                   QStringLiteral(" Корневой элемент не smil."));
        } else if (xml.name() == u"media") {
            AppendEntry(contents, xml.attributes().value(QLatin1StringView("src")).toString(),
                        playlistFolder);
        } else if (xml.name() == u"title" && !hasTitle) {
            hasTitle = true;
            contents.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    if (xml.hasError()) return ReadFailure(XmlErrorReason(xml));
    return {std::move(contents), QString()};
}
