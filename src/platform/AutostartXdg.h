#pragma once

#include <QString>

#include "platform/Autostart.h"

/// The user's autostart entry ($XDG_CONFIG_HOME/autostart/zendra98.desktop), through which the desktop starts the
/// program at login. The entry is the whole state: nothing else remembers the choice.
class AutostartXdg final : public Autostart
{
public:
    /// The entry of the user who runs the program, starting the running executable.
    static AutostartXdg ofUser();

    /// `configHome` is the user's configuration folder (~/.config); `executable` the program the entry starts.
    AutostartXdg(const QString& configHome, const QString& executable);

    QString location() const override { return m_path; }
    /// True when the entry exists and is not switched off by Hidden=true or X-GNOME-Autostart-enabled=false.
    bool enabled() const override;
    /// Writes the entry whole (through a temporary file) or removes it. False when that failed; the entry is then
    /// as it was.
    bool setEnabled(bool on) override;
    /// The text of the entry the program writes.
    QString entryText() const;

private:
    QString m_path;
    QString m_executable;
};
