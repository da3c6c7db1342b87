// SPDX-License-Identifier: MIT
#include "playlist/readers/text_decoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "playlist/readers/code_page_detection.h"

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");
// Enough text to tell a code page by; more only makes a large file slow to open.
constexpr qsizetype kDetectionSampleBytes = qsizetype{64} * 1024;

QStringDecoder EightBitDecoderFor(QByteArrayView bytes) {
#ifdef Q_OS_WIN
    Q_UNUSED(bytes);
    return QStringDecoder(QStringConverter::System);
#else
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), kDetectionSampleBytes));
    return QStringDecoder(EightBitCodePageOf(sample).constData());
#endif
}

bool IsLineEnd(char byte) {
    return byte == '\n' || byte == '\r';
}

// Calls `take` with each line and the line end after it, so that the pieces join to the whole.
template <typename Take>
void ForEachLine(QByteArrayView bytes, Take take) {
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && !IsLineEnd(bytes[end])) ++end;
        if (end < bytes.size()) ++end;
        take(bytes.sliced(start, end - start));
        start = end;
    }
}

QString DecodeLineByLine(QByteArrayView bytes) {
    QByteArray eightBitLines;
    ForEachLine(bytes, [&](QByteArrayView line) {
        if (eightBitLines.size() < kDetectionSampleBytes && !line.isValidUtf8())
            eightBitLines += line;
    });
    QStringDecoder eightBit = EightBitDecoderFor(eightBitLines);
    QString text;
    text.reserve(bytes.size());
    ForEachLine(bytes, [&](QByteArrayView line) {
        text += line.isValidUtf8() ? QString::fromUtf8(line) : eightBit.decode(line);
    });
    return text;
}

}  // namespace

QString DecodeText(QByteArrayView bytes) {
    if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
    return EightBitDecoderFor(bytes).decode(bytes);
}

QByteArrayView WithoutUtf8Mark(QByteArrayView bytes) {
    return bytes.startsWith(kUtf8Mark) ? bytes.sliced(kUtf8Mark.size()) : bytes;
}

bool StartsWithUnicodeMark(QByteArrayView bytes) {
    return QStringConverter::encodingForData(bytes).has_value();
}

QString DecodePlaylistBytes(QByteArrayView bytes) {
    if (!bytes.startsWith(kUtf8Mark)) {
        if (const std::optional<QStringConverter::Encoding> unicode =
                QStringConverter::encodingForData(bytes))
            return QStringDecoder(*unicode).decode(bytes);  // the decoder drops the mark
    }
    bytes = WithoutUtf8Mark(bytes);
    if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
    return DecodeLineByLine(bytes);
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
