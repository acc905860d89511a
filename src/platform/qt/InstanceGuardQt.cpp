#include "platform/qt/InstanceGuardQt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
QString userKey()
{
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString defaultLockDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo folder(runtime);
    return !runtime.isEmpty() && folder.isDir() && folder.isWritable() ? runtime : QDir::tempPath();
}
} // namespace

InstanceGuardQt::InstanceGuardQt(const QString& dataDirectory, const QString& lockDirectory)
{
    // The plain absolute path, not the canonical one: a data directory made at the first start has no canonical
    // path yet, and the key must not change once it exists.
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(QFileInfo(dataDirectory).absoluteFilePath()).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString folder = lockDirectory.isEmpty() ? defaultLockDirectory() : lockDirectory;
    m_lockPath =
        folder + QStringLiteral("/zendra98-") + userKey() + u'-' + QString::fromLatin1(key) + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a dead owner makes a lock stale, however long a board has been running.
    m_lock->setStaleLockTime(0);
}

InstanceGuardQt::~InstanceGuardQt() = default;

bool InstanceGuardQt::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    if (!m_lock->tryLock(0))
        return m_lock->error() != QLockFile::LockFailedError;
#ifdef Q_OS_UNIX
    // Clean-up of the runtime and temporary folders passes over files with the sticky bit, so the lock of a
    // board that runs for weeks is not aged out under it.
    const QByteArray path = QFile::encodeName(m_lockPath);
    struct stat info;
    if (::stat(path.constData(), &info) == 0)
        ::chmod(path.constData(), info.st_mode | S_ISVTX);
#endif
    return true;
}
