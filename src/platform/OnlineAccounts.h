#pragma once

#include <functional>

#include <QList>
#include <QString>

/// A mail account the desktop signs in to for us with OAuth2 (GNOME Online Accounts and the desktops built on it).
struct OnlineAccount
{
    /// The desktop's name for the kind of account, "google"; with `identity` it names the account for good.
    QString providerType;
    /// As the desktop shows it: "Google".
    QString providerName;
    /// The account's sign-in name, "name@gmail.com".
    QString identity;
    /// The mail address of the account, which is also its POP3 user name; the identity when the desktop has none.
    QString emailAddress;

    bool operator==(const OnlineAccount&) const = default;
};

/// What the desktop answered to a request.
struct OnlineAccountsAnswer
{
    enum Status
    {
        Ok,
        Unavailable, // no online-accounts service on the session bus
        NotFound,    // the account is no longer on this desktop
        Refused,     // the desktop could not sign in: the person has to sign in again in its settings
    };
    Status status = Unavailable;
    /// A list's answer: the accounts that can fetch mail and sign in with OAuth2, in the desktop's order.
    QList<OnlineAccount> accounts;
    /// A token request's answer. It lives in memory only, for one mail check.
    QString accessToken;
    /// For the person, when something went wrong: in the desktop's words where it gave some.
    QString message;
};

/// The desktop's online accounts. Every request is answered exactly once, later, on the UI thread, never from within
/// the call; a caller that may be gone by then captures a QPointer. Nothing is asked of the desktop before the first
/// request, so a run that never uses an online account does not pay for it.
class OnlineAccounts
{
public:
    using Callback = std::function<void(const OnlineAccountsAnswer&)>;

    virtual ~OnlineAccounts() = default;
    /// The mail-capable OAuth2 accounts, or Unavailable.
    virtual void list(Callback done) = 0;
    /// A fresh access token of the account `providerType`/`identity`. With `renew` the desktop is asked to sign in
    /// again first, because the mail server refused the token it gave before.
    virtual void accessToken(const QString& providerType, const QString& identity, bool renew, Callback done) = 0;
};
