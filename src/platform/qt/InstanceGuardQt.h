#pragma once

#include <memory>

#include <QString>

#include "platform/InstanceGuard.h"

class QLockFile;

/// A lock file keyed to the executable's path and the user. The lock of a process that crashed is stale and
/// is taken over by the next start.
class InstanceGuardQt final : public InstanceGuard
{
public:
    /// `lockDirectory` empty: the user's runtime folder ($XDG_RUNTIME_DIR) when it exists and may be written, else the
    /// system's temporary folder.
    explicit InstanceGuardQt(const QString& executablePath, const QString& lockDirectory = {});
    ~InstanceGuardQt() override;

    bool tryAcquire() override;
    QString lockPath() const { return m_lockPath; }

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};
