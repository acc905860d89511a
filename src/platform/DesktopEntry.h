#pragma once

#include <QString>
#include <QStringList>

/// The two keys of a freedesktop .desktop file that the program list uses: its name, offered as the program's
/// title, and the command it runs.
struct DesktopEntry
{
    QString name;
    /// The Exec key split into words, without its field codes (%f, %U and the like).
    QStringList command;

    /// Empty when the file cannot be read or has no [Desktop Entry] group.
    static DesktopEntry read(const QString& path);
    static DesktopEntry parse(const QString& text);
};
