// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The path of the file an entry names, as this program shows and saves it: absolute paths of
// either separator as written (in native separators), relative paths resolved against the
// playlist's folder, "file://" URIs percent-decoded. Addresses of other schemes ("http://...")
// name no local file and are kept as written. Nothing else is changed, so blanks, "#", ";" and
// "&" in names survive; only a path with "%XX" escapes that names no file is taken decoded where
// that names one. Empty when the entry names nothing ("file://").
QString ResolveEntryLocation(const QString& entry, const QString& playlistFolder);
