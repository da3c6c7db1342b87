// SPDX-License-Identifier: MIT
#include "playlist/readers/xml_source.h"

#include <QRegularExpression>
#include <algorithm>

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

}  // namespace

XmlSource::XmlSource(const QByteArray& bytes) : bytes_(bytes) {
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

QXmlStreamReader::TokenType XmlSource::next() {
    while (true) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError || !feedMore())
            return token;
    }
}

QString XmlSource::errorReason(QStringView typeName) const {
    return NotAPlaylistOfType(typeName) + QStringLiteral(" Ошибка XML, строка %1: %2")
                                              .arg(xml_.lineNumber())
                                              .arg(xml_.errorString());
}

bool XmlSource::feedMore() {
    static constexpr qsizetype kSliceBytes = qsizetype{1024} * 1024;
    if (fed_ >= bytes_.size()) return false;
    const qsizetype size = std::min(kSliceBytes, bytes_.size() - fed_);
    xml_.addData(bytes_.sliced(fed_, size));
    fed_ += size;
    return true;
}
