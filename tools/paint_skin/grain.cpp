// SPDX-License-Identifier: MIT
#include "grain.h"

#include <algorithm>
#include <random>
#include <vector>

QImage BrushedMetalTexture(QSize size, QColor base, int amplitude, std::uint32_t seed) {
    // mt19937's sequence is fixed by the C++ standard; distributions are not, so raw draws only.
    std::mt19937 random(seed);
    const int span = 2 * amplitude + 1;
    const auto draw = [&] { return static_cast<int>(random() % span) - amplitude; };

    QImage texture(size, QImage::Format_RGB32);
    std::vector<int> noise(size.width());
    for (int y = 0; y < size.height(); ++y) {
        for (int& n : noise) n = draw();
        const int rowShade = draw() / 3;
        auto* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            // Half of the noise is averaged with its row neighbours: short horizontal streaks.
            const int left = noise[std::max(x - 1, 0)];
            const int right = noise[std::min(x + 1, size.width() - 1)];
            const int shade = rowShade + noise[x] / 2 + (left + noise[x] + right) / 6;
            line[x] = qRgb(std::clamp(base.red() + shade, 0, 255),
                           std::clamp(base.green() + shade, 0, 255),
                           std::clamp(base.blue() + shade, 0, 255));
        }
    }
    return texture;
}
