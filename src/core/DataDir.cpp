#include "core/DataDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{
QString withSeparator(const QString& directory)
{
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(directory));
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

// Copies through a temporary file beside the target, so a crash leaves either the whole file or none.
bool copyWhole(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0 || (got > 0 && out.write(buffer, got) != got)) {
            out.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
    }
    // The commit waits for the disk before the rename.
    return out.commit();
}
} // namespace

const char* const ProgramFolder::kInstalledShipped = ZENDRA_INSTALLED_SHIPPED;

ProgramFolder ProgramFolder::ofApplication()
{
    return at(QCoreApplication::applicationDirPath());
}

ProgramFolder ProgramFolder::at(const QString& path)
{
    ProgramFolder folder;
    folder.path = path;
    const QFileInfo info(folder.path);
    folder.writable = info.isDir() && info.isWritable();
    // A staged or unpacked portable folder has no installed shipped folder beside it, and so no marker.
    const QString shipped = QDir::cleanPath(QDir(path).filePath(QString::fromLatin1(kInstalledShipped)));
    folder.installed = QFileInfo::exists(QDir(shipped).filePath(QString::fromLatin1(kInstalledMarker)));
    if (folder.installed)
        folder.shipped = shipped;
    return folder;
}

const QStringList& DataDir::seededFiles()
{
    static const QStringList names{QStringLiteral("options.dat"),
                                   QStringLiteral("default.dat"),
                                   QStringLiteral("icons.dat"),
                                   QStringLiteral("TIPOFDAY.TXT"),
                                   QStringLiteral("email.gif")};
    return names;
}

DataDir DataDir::ofApplication()
{
    return choose(ProgramFolder::ofApplication(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

DataDir DataDir::choose(const ProgramFolder& program, const QString& userDataHome)
{
    if (program.writable && !program.installed)
        return DataDir(program.path);
    return DataDir(QDir(userDataHome).filePath(QStringLiteral("zendra98")),
                   program.shipped.isEmpty() ? program.path : program.shipped);
}

DataDir::DataDir(const QString& directory, const QString& shippedDirectory)
    : m_directory(QDir::toNativeSeparators(QDir::cleanPath(directory)))
    , m_path(withSeparator(directory))
    , m_shippedPath(shippedDirectory.isEmpty() ? m_path : withSeparator(shippedDirectory))
{
}

bool DataDir::exists(const QString& name) const
{
    return QFileInfo(file(name)).isFile();
}

QStringList DataDir::seed() const
{
    QStringList copied;
    if (!isSeparate())
        return copied;
    if (!QFileInfo(m_directory).isDir()) {
        // The folder will hold the mail password: only its owner may look inside.
        if (!QDir().mkpath(m_directory))
            return copied;
        QFile::setPermissions(m_directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    for (const QString& name : seededFiles()) {
        if (QFileInfo::exists(file(name)))
            continue;
        if (copyWhole(shippedFile(name), file(name)))
            copied << name;
    }
    return copied;
}
