#pragma once

#include <QString>
#include <QStringList>

/// The folder the program was started from, as far as the choice of its data directory needs it.
struct ProgramFolder
{
    /// The file an installation puts among the shipped files: the program belongs to the system or a package
    /// manager, so the user's data lives elsewhere even when the user could write there.
    static constexpr const char* kInstalledMarker = "zendra98.installed";
    /// Where an installation puts the shipped files, relative to the program folder (the executable and its
    /// modules in lib/zendra98, the files it only reads in share/zendra98).
    static const char* const kInstalledShipped;

    QString path;
    bool writable = false;
    bool installed = false;
    /// The folder of the shipped files: the installed one, or empty when they lie in `path` itself.
    QString shipped;

    /// The directory of the running executable (symbolic links resolved).
    static ProgramFolder ofApplication();
    static ProgramFolder at(const QString& path);
};

/// The folder that holds every data file of the program, and the folder of the read-only files it ships (help
/// pages, pictures). A portable program folder is both; an installed program reads its shipped files from its
/// installed folder and keeps each user's data in the user's own data folder.
class DataDir
{
public:
    /// The files the program writes or the user may edit that a fresh data folder starts with.
    static const QStringList& seededFiles();

    /// The data directory of the running program.
    static DataDir ofApplication();
    /// The program's own folder when it is a portable folder the user may write to; else `userDataHome`/zendra98,
    /// with the shipped files read from the program's installed shipped folder or else its own folder.
    static DataDir choose(const ProgramFolder& program, const QString& userDataHome);

    /// `shippedDirectory` empty: the shipped files lie in the data directory itself.
    explicit DataDir(const QString& directory, const QString& shippedDirectory = {});

    /// The directory followed by one native separator.
    QString path() const { return m_path; }
    /// The directory as the system reports it, without a trailing separator.
    QString directory() const { return m_directory; }
    QString file(const QString& name) const { return m_path + name; }
    bool exists(const QString& name) const;
    /// A read-only file shipped with the program, such as "pictures/splash.bmp".
    QString shippedFile(const QString& name) const { return m_shippedPath + name; }
    /// True when the data lives apart from the shipped files and is seeded from them.
    bool isSeparate() const { return m_shippedPath != m_path; }

    /// Creates a separate data directory (readable by its owner only) and copies into it each seeded file that
    /// it lacks; a file that exists is never replaced. Each copy appears whole or not at all. Returns the names
    /// copied.
    QStringList seed() const;

private:
    QString m_directory;
    QString m_path;
    QString m_shippedPath;
};
