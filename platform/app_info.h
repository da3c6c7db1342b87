#pragma once

#include <QString>

// The name under which settings are stored and the caption of every message box.
inline const QString kApplicationTitle = QStringLiteral("Lyrantel");
