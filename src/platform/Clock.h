#pragma once

#include <QDateTime>
#include <QtGlobal>

/// The time: a monotonic count for intervals, and the wall clock for what the user reads.
class Clock
{
public:
    virtual ~Clock() = default;
    /// Monotonic milliseconds since an arbitrary start; it never wraps and never goes back.
    virtual qint64 milliseconds() const = 0;
    /// The local date and time now.
    virtual QDateTime dateTime() const = 0;
};
