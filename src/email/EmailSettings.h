#pragma once

#include <array>
#include <optional>

#include <QString>
#include <QVariant>

class DataDir;

/// email.dat: the POP3 account and how often it is checked. Only the setup window writes it; the file holds the
/// password in plain text when no keyring keeps it, so it is always written readable by its owner alone.
struct EmailSettings
{
    static constexpr const char* kName = "email.dat";
    /// The check interval that means "no automatic check".
    static constexpr float kManualCheckInterval = 9999999;
    /// The minute values the setup window offers, in the order of its list.
    static constexpr std::array<int, 14> kMinutes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 25, 30};
    static constexpr int kMillisecondsPerMinute = 60000;

    QVariant checkingEnabled; // empty until read; an empty value compares equal to 0
    float interval = 0;       // milliseconds between automatic checks
    QString account;
    QString password;
    QString server;
    QString address;
    QString alertSound;

    /// All seven fields in one read. Values the read does not reach keep what they held.
    bool read(const DataDir& dir);
    static EmailSettings readFrom(const DataDir& dir);

    /// Replaces email.dat as a whole with seven one-field records, readable and writable by the owner only.
    /// `flag` is written as it is given, the interval as a whole number of milliseconds.
    bool write(const DataDir& dir, qint32 flag, qint32 intervalMs) const;

    /// Makes an email.dat that others may read (one carried over or copied in) readable by its owner alone again.
    static void restrictToOwner(const DataDir& dir);

    bool checkingFlagIs(double value) const;
    bool automaticCheckConfigured() const;
    bool manualOnly() const { return interval == kManualCheckInterval; }

    /// The entry of the minutes list an interval stands for, if it is one of the fourteen.
    static std::optional<int> minutesOf(float intervalMs);
    /// The name the account's password has in the desktop's keyring.
    QString keyringKey() const { return account + u'@' + server; }
};
