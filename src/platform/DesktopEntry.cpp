#include "platform/DesktopEntry.h"

#include <algorithm>

#include <QFile>
#include <QProcess>

namespace
{
// A desktop entry is a few hundred bytes; a longer file is not one.
constexpr qint64 kMaxBytes = 256 * 1024;
} // namespace

DesktopEntry DesktopEntry::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.read(std::min(file.size(), kMaxBytes))));
}

DesktopEntry DesktopEntry::parse(const QString& text)
{
    DesktopEntry entry;
    bool inEntry = false;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == u"Name" && entry.name.isEmpty()) {
            entry.name = value;
        } else if (key == u"Exec" && entry.command.isEmpty()) {
            for (const QString& word : QProcess::splitCommand(value)) {
                // Field codes stand for files or URLs handed over by a file manager; there are none here.
                if (word.size() == 2 && word.front() == u'%' && word != u"%%")
                    continue;
                entry.command << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
            }
        }
    }
    return entry;
}
