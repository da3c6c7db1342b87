#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>

#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/readers/text_decoding.h"

namespace {

// The encoding an XML declaration at the start names ("<?xml ... encoding='windows-1251'?>").
QByteArray DeclaredEncoding(QByteArrayView bytes) {
    static const QRegularExpression declaration(QStringLiteral(
        R"(^(?:\xEF\xBB\xBF)?<\?xml[^>]*?\sencoding\s*=\s*["']([A-Za-z0-9._-]+)["'])"));
    const QRegularExpressionMatch match =
        declaration.match(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 256))));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The XML reader decodes the bytes itself when a byte-order mark or a declaration names their
// encoding, and takes the rest as UTF-8. Older writers put their 8-bit code page in a file without
// saying so (or claiming UTF-8); such bytes are decoded here as the line-based types' are.
void FeedBytes(QXmlStreamReader& xml, const QByteArray& bytes) {
    const QByteArray declared = DeclaredEncoding(bytes);
    const bool claimsUtf8 =
        declared.isEmpty() || declared.compare("utf-8", Qt::CaseInsensitive) == 0;
    if (StartsWithUnicodeMark(bytes) || !claimsUtf8 || bytes.isValidUtf8())
        xml.addData(bytes);
    else
        xml.addData(DecodeText(bytes));
}

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
    if (WithoutUtf8Mark(bytes).trimmed().isEmpty()) return {PlaylistContents(), QString()};

    PlaylistContents contents;
    bool hasRoot = false;
    bool hasTitle = false;
    QXmlStreamReader xml;
    FeedBytes(xml, bytes);
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
