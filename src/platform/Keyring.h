#pragma once

#include <functional>

#include <QString>

/// What the keyring answered to one request.
struct KeyringAnswer
{
    enum Status
    {
        Ok,
        NotFound,    // a read found no password under the key
        Unavailable, // no keyring on this desktop (no session bus, no Secret Service, no keyring support installed)
        Refused,     // the keyring is locked or the user said no
        Error,
    };
    Status status = Error;
    QString password; // a read's answer
    /// For the user: what went wrong, in the keyring's words where it gave some; for `checkAvailable`, the
    /// keyring's name ("GNOME Keyring", "KWallet", "KeePassXC", or "the desktop's keyring").
    QString message;
};

/// Keeps passwords in the desktop's keyring (the Secret Service of GNOME Keyring, KWallet or KeePassXC) under the
/// service "Zendra 98" and a key the caller chooses. Every request is answered exactly once, later, on the UI thread,
/// never from within the call; a caller that may be gone by then captures a QPointer. Without a keyring the answer
/// is Unavailable within a few seconds. A password is never written to a file of the program's own.
class Keyring
{
public:
    using Callback = std::function<void(const KeyringAnswer&)>;

    virtual ~Keyring() = default;
    virtual void read(const QString& key, Callback done) = 0;
    virtual void write(const QString& key, const QString& password, Callback done) = 0;
    /// Ok also when there was nothing under the key.
    virtual void remove(const QString& key, Callback done) = 0;
    /// Ok with the keyring's name in `message` when a keyring is there, else Unavailable.
    virtual void checkAvailable(Callback done) = 0;
};
