#include "platform/LaunchCommands.h"

#include <QProcess>

#include "platform/DesktopEntry.h"

namespace
{
// The shell folder identifiers of "My Computer\Control Panel" and "My Computer\Dial-Up Networking".
const auto kControlPanelFolder = QStringLiteral("{21EC2020-3AEA-1069-A2DD-08002B30309D}");
const auto kDialUpFolder = QStringLiteral("{992CFFA0-F557-101A-88EC-00DD010CCC48}");

struct Equivalent
{
    QStringList programs;
    QStringList arguments;
};

Equivalent equivalentOf(const QString& commandLine, const QString& homeFolder)
{
    const QString command = commandLine.trimmed().toLower();
    if (command == u"calc.exe")
        return {{QStringLiteral("gnome-calculator"),
                 QStringLiteral("kcalc"),
                 QStringLiteral("mate-calc"),
                 QStringLiteral("galculator"),
                 QStringLiteral("qalculate-gtk"),
                 QStringLiteral("xcalc")},
                {}};
    if (command == u"notepad.exe")
        return {{QStringLiteral("gnome-text-editor"),
                 QStringLiteral("gedit"),
                 QStringLiteral("kate"),
                 QStringLiteral("kwrite"),
                 QStringLiteral("mousepad"),
                 QStringLiteral("pluma"),
                 QStringLiteral("xed"),
                 QStringLiteral("featherpad")},
                {}};
    if (command == u"explorer.exe")
        return {{QStringLiteral("xdg-open")}, {homeFolder}};
    if (command.startsWith(u"explorer.exe ") && command.contains(kControlPanelFolder.toLower()))
        return {{QStringLiteral("gnome-control-center"),
                 QStringLiteral("systemsettings"),
                 QStringLiteral("xfce4-settings-manager"),
                 QStringLiteral("mate-control-center")},
                {}};
    if (command.startsWith(u"explorer.exe ") && command.contains(kDialUpFolder.toLower()))
        return {{QStringLiteral("nm-connection-editor")}, {}};
    return {};
}
} // namespace

QStringList LaunchCommands::resolve(const QString& commandLine, const FindProgram& find, const QString& homeFolder)
{
    const Equivalent equivalent = equivalentOf(commandLine, homeFolder);
    if (!equivalent.programs.isEmpty()) {
        for (const QString& program : equivalent.programs) {
            const QString found = find(program);
            if (!found.isEmpty())
                return QStringList{found} + equivalent.arguments;
        }
        // The network settings panel, where no connection editor of its own is installed.
        if (equivalent.programs.first() == u"nm-connection-editor") {
            const QString settings = find(QStringLiteral("gnome-control-center"));
            if (!settings.isEmpty())
                return {settings, QStringLiteral("network")};
        }
        return {};
    }
    // A desktop entry picked in the program list runs the command it names.
    if (const QString path = commandLine.trimmed(); path.endsWith(QStringLiteral(".desktop"))) {
        QStringList command = DesktopEntry::read(path).command;
        if (command.isEmpty() || (command.first() = find(command.first())).isEmpty())
            return {};
        return command;
    }
    // A program whose path holds spaces is started whole, as a path picked in a file dialog stands.
    if (const QString whole = find(commandLine.trimmed()); !whole.isEmpty())
        return {whole};
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return {};
    const QString found = find(words.first());
    if (found.isEmpty())
        return {};
    words.first() = found;
    return words;
}
