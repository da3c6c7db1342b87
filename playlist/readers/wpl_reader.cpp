// SPDX-License-Identifier: MIT
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
// encoding, and takes the rest as UTF-8; it is handed them a slice at a time, so that it never
// holds a second copy of a large file. Older writers put their 8-bit code page in a file without
// saying so (or claiming UTF-8); such bytes are decoded here as the line-based types' are.
class XmlFeed {
public:
    XmlFeed(QXmlStreamReader& xml, const QByteArray& bytes) : xml_(xml), bytes_(bytes) {
        const QByteArray declared = DeclaredEncoding(bytes);
        const bool claimsUtf8 =
            declared.isEmpty() || declared.compare("utf-8", Qt::CaseInsensitive) == 0;
        if (!StartsWithUnicodeMark(bytes) && claimsUtf8 && !bytes.isValidUtf8()) {
            xml_.addData(DecodeText(bytes));
            fed_ = bytes.size();
        } else {
            feedMore();
        }
    }

    // Whether there was more to hand over.
    bool feedMore() {
        static constexpr qsizetype kSliceBytes = qsizetype{1024} * 1024;
        if (fed_ >= bytes_.size()) return false;
        const qsizetype size = std::min(kSliceBytes, bytes_.size() - fed_);
        xml_.addData(bytes_.sliced(fed_, size));
        fed_ += size;
        return true;
    }

private:
    QXmlStreamReader& xml_;
    const QByteArray& bytes_;
    qsizetype fed_ = 0;
};

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
    int titleDepth = 0;  // inside the first title element: its text, child elements' included
    QXmlStreamReader xml;
    XmlFeed feed(xml, bytes);
    while (true) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && feed.feedMore())
            continue;  // the reader resumes where the slice ended
        if (xml.atEnd()) break;
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
    if (xml.hasError()) return ReadFailure(XmlErrorReason(xml));
    return {std::move(contents), QString()};
}
