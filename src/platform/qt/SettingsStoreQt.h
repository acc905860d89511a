#pragma once

#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

/// QSettings under the executable's base name (on Linux ~/.config/<name>/<name>.conf). One store is opened on
/// first use and kept: a value set is written to disk from the event loop once the handler that set it has
/// returned, and at the latest when the store closes.
class SettingsStoreQt final : public SettingsStore
{
public:
    SettingsStoreQt();
    ~SettingsStoreQt() override;

    QString value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;

private:
    QSettings& settings() const;

    mutable std::unique_ptr<QSettings> m_settings;
};
