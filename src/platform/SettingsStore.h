#pragma once

#include <QString>

/// The per-user settings store, outside the data directory.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& section, const QString& key) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
};
