// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The lines of the settings file, read and changed one key at a time so that every other line
// stays exactly as it was, whoever wrote it.

// A text value as QSettings writes it after "key=": "@" doubled at the start; backslash escapes
// for quotes, backslashes and control characters; the whole in double quotes when it holds a
// comma, semicolon or "=", or begins or ends with a blank.
QString IniEscapedValue(const QString& value);

// The value that the text after "=" stands for. Text in the form QSettings writes is read as
// QSettings reads it ("\"a, b\"" is a, b); any other text is a value typed by hand and is taken
// as it stands: /usr/bin/mpv --fs,--loop stays one text, "/usr/bin/mpv" keeps its quotes.
QString IniValueFromText(QStringView text);

// The text after "=" on the key's line in the section (blanks around it dropped), if any.
std::optional<QString> FindIniText(const QString& fileText, const QString& section,
                                   const QString& key);

// The file's text with the key's line in the section set to key=escapedValue; a missing key is
// added at the end of its section, a missing section at the end of the file.
QString WithIniText(const QString& fileText, const QString& section, const QString& key,
                    const QString& escapedValue);
