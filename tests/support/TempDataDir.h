#pragma once

#include <QtCore>

#include "core/DataDir.h"

/// A fresh data directory that is removed with the object.
class TempDataDir
{
public:
    DataDir dataDir() const { return DataDir(m_dir.path()); }
    QString path() const { return m_dir.path(); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    /// Name and contents of every file, to show that an operation left the others alone.
    QHash<QString, QByteArray> snapshot() const;
    /// Copies the file at `path` into the directory, as `name` or under its own name.
    void copy(const QString& path, const QString& name = {}) const;

private:
    QTemporaryDir m_dir;
};
