#include "email/EmailSettings.h"

#include "core/DataDir.h"
#include "core/Flag.h"
#include "core/RecordFile.h"

bool EmailSettings::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName))
        .read(checkingEnabled, interval, account, password, server, address, alertSound);
}

bool EmailSettings::checkingFlagIs(double value) const
{
    return variantNumber(checkingEnabled) == value;
}

bool EmailSettings::automaticCheckConfigured() const
{
    return interval != kManualCheckInterval && checkingFlagIs(1);
}
