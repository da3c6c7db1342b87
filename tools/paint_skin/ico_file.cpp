// SPDX-License-Identifier: MIT
#include "ico_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QSaveFile>
#include <QtEndian>
#include <vector>

namespace {

template <typename Integer>
void Append(QByteArray& bytes, Integer value) {
    const Integer little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Bitmap rows are padded to whole 32-bit words.
int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// One icon image: a bitmap header whose height counts both the colour rows and the mask rows,
// then the colour rows and the mask rows, each from the bottom up. A mask bit of 1 shows what
// lies behind the icon.
QByteArray IconImage(const QImage& argb, int bitsPerPixel) {
    const int width = argb.width();
    const int height = argb.height();
    const int colourRow = RowBytes(width, bitsPerPixel);
    const int maskRow = RowBytes(width, 1);

    QByteArray bytes;
    Append<quint32>(bytes, 40);  // BITMAPINFOHEADER
    Append<qint32>(bytes, width);
    Append<qint32>(bytes, 2 * height);
    Append<quint16>(bytes, 1);  // planes
    Append<quint16>(bytes, bitsPerPixel);
    Append<quint32>(bytes, 0);  // BI_RGB
    Append<quint32>(bytes, (colourRow + maskRow) * height);
    for (int unused = 0; unused < 4; ++unused) Append<quint32>(bytes, 0);

    const auto opaque = [](QRgb pixel) { return qAlpha(pixel) >= 128; };
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            auto* out = row.data() + x * bitsPerPixel / 8;
            out[0] = static_cast<char>(qBlue(line[x]));
            out[1] = static_cast<char>(qGreen(line[x]));
            out[2] = static_cast<char>(qRed(line[x]));
            if (bitsPerPixel == 32) out[3] = static_cast<char>(qAlpha(line[x]));
            // Without alpha, a pixel is either the icon's or the background's: clear the
            // colour of the transparent ones so nothing of them shows through the mask.
            else if (!opaque(line[x]))
                out[0] = out[1] = out[2] = 0;
        }
        bytes.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (!opaque(line[x])) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.append(row);
    }
    return bytes;
}

QByteArray PngImage(const QImage& argb) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !argb.save(&buffer, "PNG")) return {};
    return png;
}

struct IconEntry {
    QSize size;
    int bitsPerPixel;
    QByteArray image;
};

}  // namespace

bool WriteIcoFile(const QList<QImage>& pictures, const QString& path) {
    std::vector<IconEntry> entries;
    for (const QImage& picture : pictures) {
        if (picture.isNull() || picture.width() > 256 || picture.height() > 256) return false;
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
        if (argb.width() == 256 || argb.height() == 256) {
            entries.push_back({argb.size(), 32, PngImage(argb)});
            if (entries.back().image.isEmpty()) return false;
        } else {
            for (int depth : {24, 32})
                entries.push_back({argb.size(), depth, IconImage(argb, depth)});
        }
    }
    if (entries.empty()) return false;

    QByteArray file;
    Append<quint16>(file, 0);  // ICONDIR: reserved, type 1 = icon, image count
    Append<quint16>(file, 1);
    Append<quint16>(file, static_cast<quint16>(entries.size()));

    QByteArray images;
    auto offset = static_cast<quint32>(6 + 16 * entries.size());
    for (const IconEntry& entry : entries) {
        // ICONDIRENTRY: a side of 256 is written as 0.
        file.append(static_cast<char>(entry.size.width() % 256));
        file.append(static_cast<char>(entry.size.height() % 256));
        file.append('\0');  // no palette
        file.append('\0');
        Append<quint16>(file, 1);
        Append<quint16>(file, static_cast<quint16>(entry.bitsPerPixel));
        Append<quint32>(file, static_cast<quint32>(entry.image.size()));
        Append<quint32>(file, offset);
        offset += entry.image.size();
        images.append(entry.image);
    }
    file.append(images);

    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.commit();
}
