// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The 8-bit code page that bytes in no Unicode form were written in, as a name QStringDecoder
// knows. A playlist holds few words, and a detector's guess over a few names is often wrong, so
// its answer is believed only for the code pages that playlist writers really use, and a Western
// one only where the bytes have a Western shape: an accented letter standing alone among ASCII
// letters ("R\xf8yksopp"), where Cyrillic letters come in runs. Otherwise (the detector unsure, or
// runs of letters) the answer is Windows-1251, which Russian-language Windows writes.
QByteArray EightBitCodePageOf(QByteArrayView bytes);
