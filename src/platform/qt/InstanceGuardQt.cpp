#include "platform/qt/InstanceGuardQt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
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
} // namespace

InstanceGuardQt::InstanceGuardQt(const QString& executablePath, const QString& lockDirectory)
{
    const QString canonical = QFileInfo(executablePath).canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash((canonical.isEmpty() ? executablePath : canonical).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString folder = lockDirectory.isEmpty() ? QDir::tempPath() : lockDirectory;
    m_lockPath =
        folder + QStringLiteral("/zendra98-") + userKey() + u'-' + QString::fromLatin1(key) + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a dead owner makes a lock stale, however long a board has been running.
    m_lock->setStaleLockTime(0);
}

InstanceGuardQt::~InstanceGuardQt() = default;

bool InstanceGuardQt::tryAcquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}
