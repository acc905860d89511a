#pragma once

#include <QString>

/// Shows a message in the desktop's notification bubble; `body` is plain text, shown as it is written. Returns at once;
/// without a notification service nothing is shown and nothing is reported.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString& title, const QString& body) = 0;
};
