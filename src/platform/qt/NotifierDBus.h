#pragma once

#include "platform/Notifier.h"

/// The freedesktop notification service on the session bus (org.freedesktop.Notifications), asked without
/// waiting for its answer.
class NotifierDBus final : public Notifier
{
public:
    void notify(const QString& title, const QString& body) override;
};
