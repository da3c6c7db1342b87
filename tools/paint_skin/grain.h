// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>

// A metal texture: the base colour with fine noise that is smeared along the rows, like brushed
// steel. The seed fixes the noise, so the same call gives the same pixels on every run.
QImage BrushedMetalTexture(QSize size, QColor base, int amplitude, std::uint32_t seed);
