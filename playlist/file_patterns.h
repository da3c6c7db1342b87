// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The file list shows only the files whose names match one of these, whatever the case.
inline const QString kMediaFilePatterns = QStringLiteral("*.mp3;*.wav;*.mid;*.wma;*.avi;*.wmv");

// A ";"-separated list of wildcard patterns ("*" any run, "?" one character), compared without
// regard to case. Parsed once, so matching a folder of many files costs no allocation per name.
class FilePatternSet {
public:
    explicit FilePatternSet(const QString& patterns);
    bool matches(QStringView fileName) const;

private:
    QStringList patterns_;
};
