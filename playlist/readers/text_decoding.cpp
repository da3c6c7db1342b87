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

// Calls take(line, number) with each line of the text (bytes or UTF-16), blank ones included, until
// it returns false.
template <typename View, typename Take>
void ForEachLine(View text, Take take) {
    const qsizetype size = text.size();
    qsizetype number = 1;
    for (qsizetype start = 0; start < size; ++number) {
        qsizetype end = start;
        while (end < size && text[end] != u'\n' && text[end] != u'\r') ++end;
        if (!take(text.sliced(start, end - start), number)) return;
        // CR LF is one line end.
        if (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n') ++end;
        start = end + 1;
    }
}

// The lines that aren't UTF-8, as far as a code page is told by them.
QByteArray EightBitSample(QByteArrayView bytes) {
    QByteArray sample;
    ForEachLine(bytes, [&sample](QByteArrayView line, qsizetype) {
        if (!line.isValidUtf8()) sample.append(line).append('\n');
        return sample.size() < kDetectionSampleBytes;
    });
    return sample;
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

void ForEachDecodedLine(QByteArrayView bytes, const DecodedLineTaker& take) {
    const auto takeTrimmed = [&take](QStringView line, qsizetype number) {
        line = line.trimmed();
        return line.isEmpty() || take(line, number);
    };
    const auto isOverLong = [](auto line) { return line.trimmed().size() > kMaxPlaylistLineBytes; };
    if (!bytes.startsWith(kUtf8Mark)) {
        if (const std::optional<QStringConverter::Encoding> unicode =
                QStringConverter::encodingForData(bytes)) {
            // UTF-16 and UTF-32 text is no larger than its bytes, so it is decoded whole; the
            // decoder drops the mark.
            const QString text = QStringDecoder(*unicode).decode(bytes);
            ForEachLine(QStringView(text), [&](QStringView line, qsizetype number) {
                return isOverLong(line) ? take(QStringView(), number) : takeTrimmed(line, number);
            });
            return;
        }
    }
    bytes = WithoutUtf8Mark(bytes);
    std::optional<QStringDecoder> eightBit;
    if (!bytes.isValidUtf8()) eightBit = EightBitDecoderFor(EightBitSample(bytes));
    ForEachLine(bytes, [&](QByteArrayView line, qsizetype number) {
        if (isOverLong(line)) return take(QStringView(), number);
        const QString text =
            eightBit && !line.isValidUtf8() ? eightBit->decode(line) : QString::fromUtf8(line);
        return takeTrimmed(text, number);
    });
}
