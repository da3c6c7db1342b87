// SPDX-License-Identifier: MIT
#include "playlist/file_patterns.h"

#include "playlist/case_folding.h"

namespace {

// The glob tries a pattern's letter at every place of a name: ASCII, nearly every name's, is folded
// without a table lookup.
bool SameLetter(QChar a, QChar b) {
    return a == b || FoldedUnit(a.unicode()) == FoldedUnit(b.unicode());
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
