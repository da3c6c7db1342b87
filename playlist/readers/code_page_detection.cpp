// SPDX-License-Identifier: MIT
#include "playlist/readers/code_page_detection.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <memory>

#ifdef LYRANTEL_HAVE_UCHARDET
#include <uchardet/uchardet.h>
#endif

namespace {

const QByteArray kCyrillicDefault = QByteArrayLiteral("windows-1251");
const QByteArray kWesternDefault = QByteArrayLiteral("windows-1252");

// Upper case, as the detector names them.
constexpr std::array<const char*, 6> kCyrillicCodePages = {
    "WINDOWS-1251", "KOI8-R", "KOI8-U", "IBM866", "ISO-8859-5", "MAC-CYRILLIC",
};
constexpr std::array<const char*, 5> kWesternCodePages = {
    "WINDOWS-1252", "ISO-8859-1", "ISO-8859-15", "WINDOWS-1250", "ISO-8859-2",
};

template <std::size_t N>
bool IsAmong(const QByteArray& name, const std::array<const char*, N>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* known) { return name == known; });
}

bool IsHigh(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

// Whether most bytes above ASCII stand alone, as accented letters in Western names do; Cyrillic
// words are runs of such bytes, but for one-letter words.
bool LooksWestern(QByteArrayView bytes) {
    qsizetype alone = 0;
    qsizetype inRuns = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!IsHigh(bytes[i])) continue;
        const bool before = i > 0 && IsHigh(bytes[i - 1]);
        const bool after = i + 1 < bytes.size() && IsHigh(bytes[i + 1]);
        ++(before || after ? inRuns : alone);
    }
    return alone > inRuns;
}

QByteArray DetectorAnswer(QByteArrayView bytes) {
#ifdef LYRANTEL_HAVE_UCHARDET
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
        uchardet_new(), uchardet_delete);
    if (uchardet_handle_data(detector.get(), bytes.data(), static_cast<size_t>(bytes.size())) != 0)
        return {};
    uchardet_data_end(detector.get());
    return QByteArray(uchardet_get_charset(detector.get()));
#else
    Q_UNUSED(bytes);
    return {};
#endif
}

}  // namespace

QByteArray EightBitCodePageOf(QByteArrayView bytes) {
    QByteArray answer = DetectorAnswer(bytes);
    const bool known = QStringDecoder(answer.constData()).isValid();
    if (known && IsAmong(answer, kCyrillicCodePages)) return answer;
    if (!LooksWestern(bytes)) return kCyrillicDefault;
    return known && IsAmong(answer, kWesternCodePages) ? answer : kWesternDefault;
}
