// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

// A context menu that looks part of the skin: the skin's font, yellow on black like its lists,
// the highlighted item drawn black on yellow.
QMenu* MakeSkinMenu(QWidget* parent);
