#include "platform/AutostartXdg.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{
// An autostart entry is a few hundred bytes; a longer file is not one.
constexpr qint64 kMaxBytes = 256 * 1024;

// The Exec key's quoting: a path with anything but plain characters goes in double quotes, in which the double
// quote, backquote, dollar and backslash take a backslash; a literal % is doubled. The key's value then doubles
// every backslash once more.
QString execValue(const QString& program)
{
    bool plain = !program.isEmpty();
    for (const QChar c : program)
        plain = plain && (c.isLetterOrNumber() || QStringLiteral("/._+-").contains(c));
    QString value = program;
    value.replace(u'%', QStringLiteral("%%"));
    if (!plain) {
        QString quoted;
        for (const QChar c : value) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        value = u'"' + quoted + u'"';
    }
    return value.replace(u'\\', QStringLiteral("\\\\"));
}
} // namespace

AutostartXdg AutostartXdg::ofUser()
{
    return AutostartXdg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                        QCoreApplication::applicationFilePath());
}

AutostartXdg::AutostartXdg(const QString& configHome, const QString& executable)
    : m_path(QDir(configHome).filePath(QStringLiteral("autostart/zendra98.desktop")))
    , m_executable(executable)
{
}

bool AutostartXdg::enabled() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inEntry = false;
    for (const QString& raw : QString::fromUtf8(file.read(std::min(file.size(), kMaxBytes))).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntry || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if ((key == u"Hidden" && value == u"true") || (key == u"X-GNOME-Autostart-enabled" && value == u"false"))
            return false;
    }
    return true;
}

QString AutostartXdg::entryText() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Zendra 98\n"
                          "Comment=Starts the Zendra 98 board when you log in\n"
                          "Icon=zendra98\n"
                          "Exec=%1\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execValue(m_executable));
}

bool AutostartXdg::setEnabled(bool on)
{
    if (!on)
        return !QFileInfo::exists(m_path) || QFile::remove(m_path);
    if (!QDir().mkpath(QFileInfo(m_path).path()))
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = entryText().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
