#pragma once

#include "platform/Platform.h"

/// The facilities of `real` with `dialogs` instead of its own: a benchmark answers or refuses message boxes itself
/// instead of waiting for a user.
inline Platform withDialogs(const Platform& real, Dialogs& dialogs)
{
    return Platform{dialogs,
                    real.shell,
                    real.sound,
                    real.volume,
                    real.tray,
                    real.settings,
                    real.instanceGuard,
                    real.clock,
                    real.screens,
                    real.pop3,
                    real.keyring,
                    real.notifier,
                    real.clipboard,
                    real.trash,
                    real.random,
                    real.autostart,
                    real.onlineAccounts};
}
