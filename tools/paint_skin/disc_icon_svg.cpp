// SPDX-License-Identifier: MIT
#include "disc_icon_svg.h"

#include <QString>
#include <QtMath>

namespace {

// One of the arcs of sound leaving the cone, 40 degrees either side of the horizontal.
QString SoundArc(double radius) {
    const double dx = radius * qCos(qDegreesToRadians(40.0));
    const double dy = radius * qSin(qDegreesToRadians(40.0));
    return QStringLiteral(R"(<path d="M %1 %2 A %3 %3 0 0 0 %1 %4"/>)")
        .arg(16 + dx, 0, 'f', 3)
        .arg(9 + dy, 0, 'f', 3)
        .arg(radius)
        .arg(9 - dy, 0, 'f', 3);
}

}  // namespace

QByteArray DiscIconSvg() {
    QString arcs;
    for (double radius : {4.0, 7.5, 11.0}) arcs += QStringLiteral("\n    ") + SoundArc(radius);
    return QStringLiteral(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <defs>
    <linearGradient id="sheen" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#fafcfa"/>
      <stop offset="0.15" stop-color="#78d68c"/>
      <stop offset="0.35" stop-color="#c4cad0"/>
      <stop offset="0.5" stop-color="#808890"/>
      <stop offset="0.65" stop-color="#fafcfa"/>
      <stop offset="0.8" stop-color="#78d68c"/>
      <stop offset="1" stop-color="#c4cad0"/>
    </linearGradient>
    <linearGradient id="brass" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffec6e"/>
      <stop offset="0.5" stop-color="#ffbc24"/>
      <stop offset="1" stop-color="#e27000"/>
    </linearGradient>
  </defs>
  <g transform="translate(16 23.5) rotate(-8) scale(1 0.46)" fill-rule="evenodd">
    <path fill="#464c50" d="M -15 2.6 A 15 15 0 1 0 15 2.6 A 15 15 0 1 0 -15 2.6 Z"/>
    <path fill="url(#sheen)" stroke="#545a60" stroke-width="1.6"
      d="M -15 0 A 15 15 0 1 0 15 0 A 15 15 0 1 0 -15 0 Z M -2.4 0 A 2.4 2.6 0 1 0 2.4 0 A 2.4 2.6 0 1 0 -2.4 0 Z"/>
    <path fill="#dee4e8" fill-opacity="0.78" stroke="#969ca0" stroke-width="1.2"
      d="M -5.5 0 A 5.5 5.5 0 1 0 5.5 0 A 5.5 5.5 0 1 0 -5.5 0 Z M -2.4 0 A 2.4 2.6 0 1 0 2.4 0 A 2.4 2.6 0 1 0 -2.4 0 Z"/>
  </g>
  <g fill="url(#brass)" stroke="#803a00" stroke-width="1">
    <rect x="4.5" y="5.5" width="5" height="7"/>
    <polygon points="9.5,5.5 16.5,0.5 16.5,17.5 9.5,12.5"/>
  </g>
  <g fill="none" stroke="#f08c0a" stroke-width="1.5" stroke-linecap="round">%1
  </g>
</svg>
)svg")
        .arg(arcs)
        .toUtf8();
}
