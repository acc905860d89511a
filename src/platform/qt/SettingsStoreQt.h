#pragma once

#include "platform/SettingsStore.h"

/// QSettings under the executable's base name (on Linux ~/.config/<name>/<name>.conf).
class SettingsStoreQt final : public SettingsStore
{
public:
    QString value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
};
