#include "platform/qt/ShellXdg.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "platform/LaunchCommands.h"

void ShellXdg::open(const QUrl& target)
{
    QDesktopServices::openUrl(target);
}

bool ShellXdg::run(const QString& commandLine)
{
    const QStringList command = LaunchCommands::resolve(
        commandLine, [](const QString& name) { return QStandardPaths::findExecutable(name); }, QDir::homePath());
    if (command.isEmpty())
        return false;
    return QProcess::startDetached(command.first(), command.mid(1), QDir::homePath());
}
