#include "output/text_encoding.h"

#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <limits>

EncodedText EncodePlaylistText(QStringView text) {
    EncodedText encoded;
    if (text.isEmpty()) return encoded;
    Q_ASSERT(text.size() <= std::numeric_limits<int>::max());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int wideLength = int(text.size());
    const UINT codePage = GetACP();
    // A system set to UTF-8 as its ANSI code page loses nothing, and the API refuses the
    // replacement arguments for it.
    const bool isUtf8 = codePage == CP_UTF8;
    // Without WC_NO_BEST_FIT_CHARS "ł" would silently become "l": a wrong path nobody is told of.
    const DWORD flags = isUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* defaultChar = isUtf8 ? nullptr : "?";
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = isUtf8 ? nullptr : &usedDefault;
    const int size = WideCharToMultiByte(codePage, flags, wide, wideLength, nullptr, 0, defaultChar,
                                         usedDefaultOut);
    encoded.bytes.resize(size);
    // 0 is the API's failure, never the length of a text that is not empty.
    if (size == 0 || WideCharToMultiByte(codePage, flags, wide, wideLength, encoded.bytes.data(),
                                         size, defaultChar, usedDefaultOut) == 0) {
        encoded.bytes.clear();
        encoded.failureReason = qt_error_string(static_cast<int>(GetLastError()));
        return encoded;
    }
    // A lone surrogate has a form in no code page; on the UTF-8 one the API writes U+FFFD for it
    // and reports nothing.
    encoded.charactersReplaced = usedDefault != FALSE || !text.isValidUtf16();
    return encoded;
}

#else

EncodedText EncodePlaylistText(QStringView text) {
    // Only a lone surrogate, which no file name can hold, has no UTF-8 form.
    QStringEncoder encoder(QStringEncoder::Utf8);
    EncodedText encoded;
    encoded.bytes = encoder.encode(text);
    encoded.charactersReplaced = encoder.hasError();
    return encoded;
}

#endif
