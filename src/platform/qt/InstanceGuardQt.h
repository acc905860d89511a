#pragma once

#include <memory>

#include <QString>

#include "platform/InstanceGuard.h"

class QLockFile;

/// A lock file keyed to the data directory and the user: one board per data directory, and another user never
/// stands in the way. The lock of a process that crashed is stale and is taken over by the next start.
class InstanceGuardQt final : public InstanceGuard
{
public:
    /// `lockDirectory` empty: the user's runtime folder ($XDG_RUNTIME_DIR) when it exists and may be written, else the
    /// system's temporary folder.
    explicit InstanceGuardQt(const QString& dataDirectory, const QString& lockDirectory = {});
    ~InstanceGuardQt() override;

    /// False only when a living process holds the lock: a lock that cannot be made at all (a folder that is
    /// gone or read-only) lets the board start rather than lock the user out.
    bool tryAcquire() override;
    QString lockPath() const { return m_lockPath; }

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};
