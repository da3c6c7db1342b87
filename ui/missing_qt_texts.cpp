// SPDX-License-Identifier: MIT
#include "ui/missing_qt_texts.h"

#include <cstring>

namespace {

constexpr struct {
    const char* context;
    const char* source;
    const char16_t* russian;
} kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", u"Папка"},
    {"QAbstractFileIconProvider", "File Folder", u"Папка"},
    {"QAbstractFileIconProvider", "Drive", u"Диск"},
    {"QAbstractFileIconProvider", "File", u"Файл"},
    {"QAbstractFileIconProvider", "Shortcut", u"Ярлык"},
    {"QAbstractFileIconProvider", "Alias", u"Псевдоним"},
    {"QAbstractFileIconProvider", "Unknown", u"Неизвестно"},
};

}  // namespace

QString MissingQtTexts::translate(const char* context, const char* sourceText, const char*,
                                  int) const {
    if (!context || !sourceText) return {};
    for (const auto& text : kTexts)
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf16(text.russian);
    return {};
}
