#include "email/EmailSettings.h"

#include <QFile>

#include "core/DataDir.h"
#include "core/Flag.h"
#include "core/RecordFile.h"

bool EmailSettings::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName))
        .read(checkingEnabled, interval, account, password, server, address, alertSound);
}

EmailSettings EmailSettings::readFrom(const DataDir& dir)
{
    EmailSettings settings;
    settings.read(dir);
    return settings;
}

bool EmailSettings::write(const DataDir& dir, qint32 flag, qint32 intervalMs) const
{
    RecordWriter writer;
    writer.writeRecord({flag});
    writer.writeRecord({intervalMs});
    for (const QString& text : {account, password, server, address, alertSound})
        writer.writeRecord({text});
    return writer.commit(dir, QString::fromLatin1(kName), {.ownerOnly = true});
}

void EmailSettings::restrictToOwner(const DataDir& dir)
{
    const QString path = dir.file(QString::fromLatin1(kName));
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (QFile::exists(path) && (QFile::permissions(path) & others))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

bool EmailSettings::checkingFlagIs(double value) const
{
    return variantNumber(checkingEnabled) == value;
}

bool EmailSettings::automaticCheckConfigured() const
{
    return !manualOnly() && checkingFlagIs(1);
}

std::optional<int> EmailSettings::minutesOf(float intervalMs)
{
    for (const int minutes : kMinutes) {
        if (intervalMs == static_cast<float>(minutes * kMillisecondsPerMinute))
            return minutes;
    }
    return std::nullopt;
}
