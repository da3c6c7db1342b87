// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// File names on POSIX are bytes, not text: a folder from an old disk holds names in CP1251 or
// Latin-1 that aren't valid UTF-8. Every name is kept as a QString that turns back into the very
// same bytes: valid UTF-8 is decoded as text, and each byte that isn't part of valid UTF-8 becomes
// the lone surrogate U+DC80 + byte (the "surrogate escape" that Python uses for the same reason).
// No valid UTF-8 text decodes to such a surrogate, so the mapping is one to one.
QString DecodeFileName(QByteArrayView bytes);
// The bytes to hand the operating system for a name (UTF-8 with escaped bytes restored). On
// Windows names are UTF-16 already and this is only the UTF-8 form.
QByteArray EncodeFileName(QStringView name);
// Whether the name holds escaped bytes, so that text-only peers (a playlist's UTF-8 text, a
// player's command line) can't carry it as it is.
bool HoldsEscapedBytes(QStringView name);
// The name as text for reading (a title made from it), each escaped byte shown as U+FFFD: unlike
// the name itself, it can be written in any text.
QString ReadableFileName(QString name);
