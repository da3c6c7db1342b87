#include "playlist/readers/text_decoding.h"

#include <QStringDecoder>

namespace {

QString DecodeEightBit(QByteArrayView bytes) {
#ifdef Q_OS_WIN
    QStringDecoder decoder(QStringConverter::System);
#else
    QStringDecoder decoder("windows-1251");
#endif
    return decoder.decode(bytes);
}

}  // namespace

QString DecodeText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return DecodeEightBit(bytes);
}

QString DecodePlaylistBytes(QByteArrayView bytes) {
    static constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
    if (bytes.startsWith(kUtf8Bom)) bytes = bytes.sliced(kUtf8Bom.size());
    return DecodeText(bytes);
}

QStringList PlaylistLines(const QString& text) {
    QStringList lines;
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        const bool atEnd = i == size;
        if (!atEnd && text[i] != u'\n' && text[i] != u'\r') continue;
        const QStringView line = QStringView(text).sliced(lineStart, i - lineStart).trimmed();
        if (!line.isEmpty()) lines.append(line.toString());
        // CR LF is one line end.
        if (!atEnd && text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
        lineStart = i + 1;
    }
    return lines;
}
