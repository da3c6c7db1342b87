#pragma once

#include <QString>

#include "playlist/folder_tree_walk.h"

class FilePatternSet;
class QWidget;

// Walks the tree on a worker thread, so that the window keeps painting. During the first blink it
// takes no input; a walk that lasts longer shows a progress window, modal to `parent`, with the
// count found so far and the folder being read, whose "Отмена" stops the walk: what it found until
// then is kept, and the result says it was cancelled.
FolderTreeWalk WalkTreeWithProgress(QWidget* parent, const QString& root,
                                    const FilePatternSet& patterns, int room);
