#pragma once

#include <optional>

/// Answers --help and --version and refuses an unknown option before any window exists, so that neither needs a
/// display. Returns the exit status when the program ends here; nothing when the board should start.
std::optional<int> answerCommandLine(int& argc, char** argv);
