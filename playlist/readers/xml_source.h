// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

// The XML reader of an XML playlist's bytes. The reader decodes the bytes itself when a byte-order
// mark or a declaration names their encoding, and takes the rest as UTF-8; it is handed them a
// slice at a time, so that it never holds a second copy of a large file. Older writers put their
// 8-bit code page in a file without saying so (or claiming UTF-8); such bytes are decoded here as
// the line-based types' are. The reader fetches nothing from outside the file.
class XmlSource {
public:
    // The bytes must outlive the source.
    explicit XmlSource(const QByteArray& bytes);

    // The next token; the reader resumes where a slice ended.
    QXmlStreamReader::TokenType next();
    QXmlStreamReader& reader() { return xml_; }

    // Why the reader stopped: "Файл не является списком воспроизведения WPL. Ошибка XML, строка
    // 3: ...".
    QString errorReason(QStringView typeName) const;

private:
    // Whether there was more to hand over.
    bool feedMore();

    QXmlStreamReader xml_;
    const QByteArray& bytes_;
    qsizetype fed_ = 0;
};
