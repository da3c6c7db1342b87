// SPDX-License-Identifier: MIT
#include "platform/ini_value.h"

#include <QStringList>
#include <algorithm>

namespace {

struct NamedEscape {
    char16_t character;
    char letter;
};
constexpr NamedEscape kNamedEscapes[] = {{u'\a', 'a'}, {u'\b', 'b'}, {u'\f', 'f'}, {u'\n', 'n'},
                                         {u'\r', 'r'}, {u'\t', 't'}, {u'\v', 'v'}};

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The string layer of QSettings: texts that could be taken for one of its typed values are
// marked ("@" doubled, "@String(...)" around a text with a zero character).
QString StringForm(const QString& value) {
    if (value.contains(QChar(0))) return QStringLiteral("@String(") + value + u')';
    if (value.startsWith(u'@')) return u'@' + value;
    return value;
}

std::optional<QString> FromStringForm(const QString& form) {
    if (form.startsWith(QStringLiteral("@@"))) return form.mid(1);
    if (form.startsWith(QStringLiteral("@String(")) && form.endsWith(u')'))
        return form.mid(8, form.size() - 9);
    if (form.startsWith(u'@')) return std::nullopt;  // a typed value: a list, a number, ...
    return form;
}

// Undoes the escapes of IniEscapedValue; text that no escaping could have made gives nullopt.
std::optional<QString> Unescape(QStringView text) {
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
        text = text.sliced(1, text.size() - 2);
    QString form;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            form += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        const QChar letter = text[i];
        if (letter == u'\\' || letter == u'"') {
            form += letter;
        } else if (letter == u'0') {
            form += QChar(0);
        } else if (letter == u'x') {
            qsizetype end = i + 1;
            while (end < text.size() && IsHexDigit(text[end])) ++end;
            if (end == i + 1) return std::nullopt;
            form += QChar(text.sliced(i + 1, end - i - 1).toUShort(nullptr, 16));
            i = end - 1;
        } else {
            const auto named =
                std::find_if(std::begin(kNamedEscapes), std::end(kNamedEscapes),
                             [&](const NamedEscape& e) { return e.letter == letter; });
            if (named == std::end(kNamedEscapes)) return std::nullopt;
            form += QChar(named->character);
        }
    }
    return FromStringForm(form);
}

// Blanks, line ends and other control characters around a line mean nothing in the file.
QStringView TrimmedLine(QStringView line) {
    while (!line.isEmpty() && line.front().unicode() <= u' ') line = line.sliced(1);
    while (!line.isEmpty() && line.back().unicode() <= u' ') line.chop(1);
    return line;
}

QString SectionOf(QStringView trimmedLine) {
    const qsizetype close = trimmedLine.indexOf(u']');
    return trimmedLine.sliced(1, (close < 0 ? trimmedLine.size() : close) - 1).toString();
}

bool IsKeyLine(QStringView trimmedLine, const QString& key) {
    const qsizetype equals = trimmedLine.indexOf(u'=');
    return equals > 0 && TrimmedLine(trimmedLine.first(equals)) == key;
}

struct SectionLines {
    qsizetype header = -1;   // -1: no such section
    qsizetype end = 0;       // the line after its last line with content
    qsizetype keyLine = -1;  // -1: the key is not in it
};

SectionLines FindSection(const QStringList& lines, const QString& section, const QString& key) {
    SectionLines found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = TrimmedLine(lines[i]);
        if (line.startsWith(u'[')) {
            if (found.header >= 0) break;  // the section ended
            if (SectionOf(line) == section) {
                found.header = i;
                found.end = i + 1;
            }
            continue;
        }
        if (found.header < 0 || line.isEmpty()) continue;
        found.end = i + 1;
        if (found.keyLine < 0 && IsKeyLine(line, key)) found.keyLine = i;
    }
    return found;
}

}  // namespace

QString IniEscapedValue(const QString& value) {
    const QString form = StringForm(value);
    QString escaped;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;  // so that a reader doesn't take it into a \x escape
    for (const QChar c : form) {
        if (c == u';' || c == u',' || c == u'=') needsQuotes = true;
        if (escapeNextIfHexDigit && IsHexDigit(c)) {
            escaped += QStringLiteral("\\x") + QString::number(c.unicode(), 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        const auto named = std::find_if(std::begin(kNamedEscapes), std::end(kNamedEscapes),
                                        [&](const NamedEscape& e) { return e.character == c; });
        if (named != std::end(kNamedEscapes)) {
            escaped += u'\\' + QChar(named->letter);
        } else if (c == u'"' || c == u'\\') {
            escaped += u'\\' + QString(c);
        } else if (c.unicode() == 0) {
            escaped += QStringLiteral("\\0");
            escapeNextIfHexDigit = true;
        } else if (c.unicode() <= 0x1F) {
            escaped += QStringLiteral("\\x") + QString::number(c.unicode(), 16);
            escapeNextIfHexDigit = true;
        } else {
            escaped += c;
        }
    }
    if (needsQuotes || escaped.startsWith(u' ') || escaped.endsWith(u' '))
        return u'"' + escaped + u'"';
    return escaped;
}

QString IniValueFromText(QStringView text) {
    const std::optional<QString> value = Unescape(text);
    if (value && IniEscapedValue(*value) == text) return *value;
    return text.toString();
}

std::optional<QString> FindIniText(const QString& fileText, const QString& section,
                                   const QString& key) {
    const QStringList lines = fileText.split(u'\n');
    const SectionLines found = FindSection(lines, section, key);
    if (found.keyLine < 0) return std::nullopt;
    const QString& line = lines[found.keyLine];
    return TrimmedLine(QStringView(line).sliced(line.indexOf(u'=') + 1)).toString();
}

QString WithIniText(const QString& fileText, const QString& section, const QString& key,
                    const QString& escapedValue) {
    const QString keyLine = key + u'=' + escapedValue;
    QStringList lines = fileText.split(u'\n');
    const SectionLines found = FindSection(lines, section, key);
    if (found.keyLine >= 0) {
        // A line typed with CR LF keeps its CR.
        const bool carriageReturn = lines[found.keyLine].endsWith(u'\r');
        lines[found.keyLine] = keyLine + (carriageReturn ? QStringLiteral("\r") : QString());
    } else if (found.header >= 0) {
        lines.insert(found.end, keyLine);
    } else {
        QString text = fileText;
        if (!text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
        if (!text.trimmed().isEmpty()) text += u'\n';
        return text + u'[' + section + QStringLiteral("]\n") + keyLine + u'\n';
    }
    return lines.join(u'\n');
}
