// SPDX-License-Identifier: MIT
#include "playlist/file_name_codec.h"

namespace {

constexpr char16_t kFirstEscape = 0xDC80;

// A low surrogate after a high one is half of a real character, not an escaped byte.
bool IsEscapeAt(QStringView name, qsizetype i) {
    const char16_t c = name[i].unicode();
    return c >= kFirstEscape && c <= 0xDCFF && !(i > 0 && name[i - 1].isHighSurrogate());
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts at bytes[at], or 0 when it isn't one
// (overlong forms, encoded surrogates and code points past U+10FFFF are not valid).
qsizetype ValidSequenceLength(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!IsContinuation(byte(i))) return 0;
    return length;
}

}  // namespace

QString DecodeFileName(QByteArrayView bytes) {
    if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
    QString name;
    name.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = ValidSequenceLength(bytes, at);
        if (length == 0) {
            name += QChar(kFirstEscape + static_cast<unsigned char>(bytes[at]) - 0x80);
            ++at;
        } else {
            name += QString::fromUtf8(bytes.sliced(at, length));
            at += length;
        }
    }
    return name;
}

QByteArray EncodeFileName(QStringView name) {
    if (!HoldsEscapedBytes(name)) return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    qsizetype textStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscapeAt(name, i)) continue;
        bytes += name.sliced(textStart, i - textStart).toUtf8();
        bytes += static_cast<char>(name[i].unicode() - kFirstEscape + 0x80);
        textStart = i + 1;
    }
    bytes += name.sliced(textStart).toUtf8();
    return bytes;
}

bool HoldsEscapedBytes(QStringView name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsEscapeAt(name, i)) return true;
    return false;
}

QString ReadableFileName(QString name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsEscapeAt(name, i)) name[i] = QChar::ReplacementCharacter;
    return name;
}
