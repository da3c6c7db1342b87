// SPDX-License-Identifier: MIT
#include "playlist/file_patterns.h"

namespace {

bool SameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Iterative glob match with backtracking to the last "*": linear for the patterns in use.
bool GlobMatch(QStringView pattern, QStringView name) {
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace

FilePatternSet::FilePatternSet(const QString& patterns)
    : patterns_(patterns.split(u';', Qt::SkipEmptyParts)) {
    for (QString& pattern : patterns_) pattern = pattern.trimmed();
}

bool FilePatternSet::matches(QStringView fileName) const {
    for (const QString& pattern : patterns_)
        if (GlobMatch(pattern, fileName)) return true;
    return false;
}
