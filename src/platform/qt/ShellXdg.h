#pragma once

#include "platform/Shell.h"

/// Opens targets with the desktop's default application and starts programs detached, with the desktop's own
/// tools standing in for the fixed Windows commands.
class ShellXdg final : public Shell
{
public:
    void open(const QUrl& target) override;
    bool run(const QString& commandLine) override;
};
