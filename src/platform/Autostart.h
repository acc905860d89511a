#pragma once

#include <QString>

/// Whether the desktop starts the program when the user logs in.
class Autostart
{
public:
    virtual ~Autostart() = default;
    /// Where the setting is kept, as the user would look for it.
    virtual QString location() const = 0;
    virtual bool enabled() const = 0;
    /// False when the change failed; the setting is then as it was.
    virtual bool setEnabled(bool on) = 0;
};
