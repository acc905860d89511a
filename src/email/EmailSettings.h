#pragma once

#include <QString>
#include <QVariant>

class DataDir;

/// email.dat: the POP3 account and how often it is checked.
struct EmailSettings
{
    static constexpr const char* kName = "email.dat";
    /// The check interval that means "no automatic check".
    static constexpr float kManualCheckInterval = 9999999;

    QVariant checkingEnabled; // empty until read; an empty value compares equal to 0
    float interval = 0;       // milliseconds between automatic checks
    QString account;
    QString password;
    QString server;
    QString address;
    QString alertSound;

    /// All seven fields in one read. Values the read does not reach keep what they held.
    bool read(const DataDir& dir);

    bool checkingFlagIs(double value) const;
    bool automaticCheckConfigured() const;
};
