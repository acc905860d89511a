#include "core/DataDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

DataDir DataDir::ofApplication()
{
    return DataDir(QCoreApplication::applicationDirPath());
}

DataDir::DataDir(const QString& directory)
    : m_directory(QDir::toNativeSeparators(QDir::cleanPath(directory)))
    , m_path(m_directory.endsWith(QDir::separator()) ? m_directory : m_directory + QDir::separator())
{
}

bool DataDir::exists(const QString& name) const
{
    return QFileInfo(file(name)).isFile();
}
