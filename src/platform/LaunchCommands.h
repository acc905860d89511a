#pragma once

#include <functional>

#include <QString>
#include <QStringList>

/// The fixed Windows commands of the launch icons and the desktop programs that stand in for them here.
namespace LaunchCommands
{
/// Finds a program on PATH; empty when it is not installed.
using FindProgram = std::function<QString(const QString& name)>;

/// The program and arguments that `commandLine` starts: the first installed equivalent of a known Windows
/// command, or the command line itself split into words. Empty when nothing fits.
QStringList resolve(const QString& commandLine, const FindProgram& find, const QString& homeFolder);
} // namespace LaunchCommands
