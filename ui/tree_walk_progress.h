// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "playlist/folder_tree_walk.h"

class QWidget;

// A walk of a tree that reports to the progress callback it is given, and stops when told.
using TreeWalk = std::function<FolderTreeWalk(const FolderTreeProgress& progress)>;

// Runs the walk on a worker thread, so that the window keeps painting. During the first blink it
// takes no input; a walk that lasts longer shows a progress window, modal to `parent`, with the
// count found so far and the folder being read, whose "Отмена" stops the walk: what it found until
// then is kept, and the result says it was cancelled.
FolderTreeWalk WalkWithProgress(QWidget* parent, const TreeWalk& walk);
