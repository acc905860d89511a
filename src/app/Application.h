#pragma once

#include <functional>

class QApplication;

/// Runs the whole program: the composition root that names the real platform classes. `afterCreate`, when
/// given, sees the application object before any window exists (the start-up benchmark watches paints).
int runApplication(int argc, char** argv, const std::function<void(QApplication&)>& afterCreate = {});
