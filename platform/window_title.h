// SPDX-License-Identifier: MIT
#pragma once

class QWindow;

// Gives a window no title at all. Qt puts the program's name where a window's title is empty; a
// window without a caption has no title to show, and a task list or window switcher should not
// name it.
void ClearWindowTitle(QWindow* window);
