#pragma once

#include <QtGlobal>

/// Monotonic milliseconds since an arbitrary start; it never wraps and never goes back.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 milliseconds() const = 0;
};
