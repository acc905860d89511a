#pragma once

#include <QString>

/// The folder that holds the program and every one of its data files.
class DataDir
{
public:
    /// The directory of the running executable (symbolic links resolved).
    static DataDir ofApplication();

    explicit DataDir(const QString& directory);

    /// The directory followed by one native separator.
    QString path() const { return m_path; }
    /// The directory as the system reports it, without a trailing separator.
    QString directory() const { return m_directory; }
    QString file(const QString& name) const { return m_path + name; }
    bool exists(const QString& name) const;

private:
    QString m_directory;
    QString m_path;
};
