#pragma once

#include <QString>

#include "platform/Pop3Client.h"

class DataDir;

/// emailsec.dat: how the account's connection is secured, and the one certificate the person chose to trust for
/// it although the system does not. It lies beside email.dat, whose seven records stay exactly as they are, and
/// like it is readable by its owner only. Records: the security (0 TLS on connect, 1 STARTTLS required, 2 none),
/// the account the certificate belongs to ("account@server"), the certificate's SHA-256 fingerprint, and when the
/// account signs in through one of the desktop's online accounts, that account's provider type and identity (never a
/// token). A file of the first three records only is read as one without an online account.
struct MailSecurity
{
    static constexpr const char* kName = "emailsec.dat";

    Pop3Security security = Pop3Security::StartTls;
    QString certificateAccount;
    QString certificate;
    QString onlineProvider; // "google"; empty when the account signs in with a password
    QString onlineIdentity; // "name@gmail.com"

    bool usesOnlineAccount() const { return !onlineProvider.isEmpty() && !onlineIdentity.isEmpty(); }

    /// The file's settings; without a valid file, the default for `server`.
    static MailSecurity readFrom(const DataDir& dir, const QString& server);
    bool write(const DataDir& dir) const;

    /// Never a login in clear: TLS from the start where the server field names port 995, else STARTTLS required.
    static Pop3Security defaultFor(const QString& server);
    /// The fingerprint trusted for `account` ("account@server"), or nothing.
    QString certificateFor(const QString& account) const
    {
        return account == certificateAccount ? certificate : QString();
    }
    /// "TLS on connect (port 995)", as the windows name the choice.
    static QString describe(Pop3Security security);
};
