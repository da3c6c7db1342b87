// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The name under which settings are stored and the caption of every message box.
inline const QString kApplicationTitle = QStringLiteral("Lyrantel");
// The command that starts the program, as --help shows it.
inline const QString kProgramName = QStringLiteral("lyrantel");
// The project's version, given by the build.
inline const QString kApplicationVersion = QStringLiteral(LYRANTEL_VERSION);
