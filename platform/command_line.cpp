// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The arguments after the program, by the Microsoft C runtime's rules.
QStringList SplitArguments(QStringView text) {
    QStringList arguments;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (true) {
        while (i < size && IsBlank(text[i])) ++i;
        if (i == size) return arguments;
        QString argument;
        bool inQuotes = false;
        while (i < size) {
            qsizetype backslashes = 0;
            while (i < size && text[i] == u'\\') {
                ++backslashes;
                ++i;
            }
            const bool atQuote = i < size && text[i] == u'"';
            const bool quoteIsLiteral = atQuote && backslashes % 2 == 1;
            argument += QString(atQuote ? backslashes / 2 : backslashes, u'\\');
            if (i == size || (!inQuotes && IsBlank(text[i]))) break;
            if (atQuote && !quoteIsLiteral) {
                if (inQuotes && i + 1 < size && text[i + 1] == u'"') {
                    argument += u'"';  // "" inside quotes: one quote, still inside
                    ++i;
                } else {
                    inQuotes = !inQuotes;
                }
            } else {
                argument += text[i];
            }
            ++i;
        }
        arguments.append(argument);
    }
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const QString& line) {
    CommandLine command;
    qsizetype argumentsStart = 0;
    if (line.startsWith(u'"')) {
        // No escapes in the program's name: it ends at the next quote, or with the line.
        const qsizetype closingQuote = line.indexOf(u'"', 1);
        const qsizetype programEnd = closingQuote < 0 ? line.size() : closingQuote;
        command.program = line.sliced(1, programEnd - 1);
        argumentsStart = closingQuote < 0 ? line.size() : closingQuote + 1;
    } else {
        while (argumentsStart < line.size() && !IsBlank(line[argumentsStart])) ++argumentsStart;
        command.program = line.first(argumentsStart);
    }
    if (command.program.isEmpty()) return std::nullopt;
    command.arguments = SplitArguments(QStringView(line).sliced(argumentsStart));
    return command;
}
