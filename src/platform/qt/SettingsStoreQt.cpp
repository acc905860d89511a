#include "platform/qt/SettingsStoreQt.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

SettingsStoreQt::SettingsStoreQt() = default;

SettingsStoreQt::~SettingsStoreQt() = default;

QSettings& SettingsStoreQt::settings() const
{
    if (!m_settings) {
        const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        m_settings = std::make_unique<QSettings>(name, name);
    }
    return *m_settings;
}

QString SettingsStoreQt::value(const QString& section, const QString& key) const
{
    return settings().value(section + u'/' + key).toString();
}

void SettingsStoreQt::setValue(const QString& section, const QString& key, const QString& value)
{
    settings().setValue(section + u'/' + key, value);
}
