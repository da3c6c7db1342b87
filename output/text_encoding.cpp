// SPDX-License-Identifier: MIT
#include "output/text_encoding.h"

#include <QByteArray>
#include <QStringEncoder>
#include <algorithm>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <limits>
#endif

namespace {

// The next piece of the text: at most kEncodingPieceLength units, ending before a high surrogate
// whose low half would fall into the next piece, so that each piece encodes on its own.
QStringView NextPiece(QStringView rest) {
    qsizetype length = std::min(rest.size(), kEncodingPieceLength);
    if (length < rest.size() && QChar::isHighSurrogate(rest[length - 1].unicode())) --length;
    return rest.first(length);
}

#ifdef Q_OS_WIN

class PieceEncoder {
public:
    explicit PieceEncoder(PlaylistEncoding encoding)
        : codePage_(encoding == PlaylistEncoding::Utf8 ? CP_UTF8 : GetACP()) {}

    // The piece's bytes go into the buffer, which is reused from piece to piece.
    bool encode(QStringView piece, QByteArray& buffer, EncodingResult& result) {
        Q_ASSERT(piece.size() <= std::numeric_limits<int>::max());
        const auto* wide = reinterpret_cast<const wchar_t*>(piece.utf16());
        const int wideLength = int(piece.size());
        BOOL usedDefault = FALSE;
        BOOL* usedDefaultOut = isUtf8_ ? nullptr : &usedDefault;
        const int size = WideCharToMultiByte(codePage_, flags_, wide, wideLength, nullptr, 0,
                                             defaultChar_, usedDefaultOut);
        buffer.resize(size);
        // 0 is the API's failure, never the length of a text that is not empty.
        if (size == 0 || WideCharToMultiByte(codePage_, flags_, wide, wideLength, buffer.data(),
                                             size, defaultChar_, usedDefaultOut) == 0) {
            result.failureReason = qt_error_string(static_cast<int>(GetLastError()));
            return false;
        }
        // A lone surrogate has a form in no code page; on the UTF-8 one the API writes U+FFFD for
        // it and reports nothing.
        result.charactersReplaced =
            result.charactersReplaced || usedDefault != FALSE || !piece.isValidUtf16();
        return true;
    }

private:
    const UINT codePage_;
    // A system set to UTF-8 as its ANSI code page loses nothing, and the API refuses the
    // replacement arguments for it.
    const bool isUtf8_ = codePage_ == CP_UTF8;
    // Without WC_NO_BEST_FIT_CHARS "ł" would silently become "l": a wrong path nobody is told of.
    const DWORD flags_ = isUtf8_ ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* const defaultChar_ = isUtf8_ ? nullptr : "?";
};

#else

class PieceEncoder {
public:
    // Names are UTF-8 here: both encodings are the same.
    explicit PieceEncoder(PlaylistEncoding) {}

    // The piece's bytes go into the buffer, which is reused from piece to piece. Only a lone
    // surrogate, which no file name can hold, has no UTF-8 form.
    bool encode(QStringView piece, QByteArray& buffer, EncodingResult& result) {
        buffer.resize(encoder_.requiredSpace(piece.size()));
        const char* end = encoder_.appendToBuffer(buffer.data(), piece);
        buffer.resize(end - buffer.constData());
        result.charactersReplaced = result.charactersReplaced || encoder_.hasError();
        return true;
    }

private:
    // Stateless: a high surrogate that ends the text is an error, not kept for a next piece.
    QStringEncoder encoder_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

#endif

}  // namespace

bool EncodePlaylistText(QStringView text, const EncodedBytesSink& sink, EncodingResult& result,
                        PlaylistEncoding encoding) {
    PieceEncoder encoder(encoding);
    QByteArray buffer;
    for (QStringView rest = text; !rest.isEmpty();) {
        const QStringView piece = NextPiece(rest);
        rest = rest.sliced(piece.size());
        if (!encoder.encode(piece, buffer, result) || !sink(buffer)) return false;
    }
    return true;
}
