#pragma once

#include <functional>

class QWidget;

/// Opens every window of the program in turn on fake facilities, each filled as a user would see it (the board
/// with its scratch pad open and its menus, the mail list with rows, the net search window at its full size,
/// ...), shows it, and calls `visit` for each control of it that shows text. A menu is its own window and
/// control. The window is closed again once visited.
void walkWindows(const std::function<void(QWidget* window, QWidget* control)>& visit);
