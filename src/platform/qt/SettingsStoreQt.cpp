#include "platform/qt/SettingsStoreQt.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace
{
QString applicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
} // namespace

QString SettingsStoreQt::value(const QString& section, const QString& key) const
{
    const QSettings settings(applicationName(), applicationName());
    return settings.value(section + u'/' + key).toString();
}

void SettingsStoreQt::setValue(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(applicationName(), applicationName());
    settings.setValue(section + u'/' + key, value);
}
