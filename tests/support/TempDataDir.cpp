#include "TempDataDir.h"

#include <QtCore>

void TempDataDir::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TempDataDir::read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempDataDir::exists(const QString& name) const
{
    return QFileInfo::exists(m_dir.filePath(name));
}

QHash<QString, QByteArray> TempDataDir::snapshot() const
{
    QHash<QString, QByteArray> files;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(m_dir.path()).relativeFilePath(path), read(QDir(m_dir.path()).relativeFilePath(path)));
    }
    return files;
}

void TempDataDir::copy(const QString& path, const QString& name) const
{
    QFile source(path);
    if (source.open(QIODevice::ReadOnly))
        write(name.isEmpty() ? QFileInfo(path).fileName() : name, source.readAll());
}
