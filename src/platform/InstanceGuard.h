#pragma once

/// Tells whether another instance of the same program file runs for the same user.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    /// True when this process is the only instance; it then stays the owner until it ends.
    virtual bool tryAcquire() = 0;
};
