#pragma once

#include <QObject>

#include "platform/OnlineAccounts.h"

class QDBusMessage;

/// GNOME Online Accounts (org.gnome.OnlineAccounts) on the session bus, through Qt D-Bus, which the program loads
/// anyway: the accounts come from the service's object manager, tokens from each account's OAuth2Based interface.
/// The bus is first reached by the first request. What the service says is outside input: at most `kMaxAccounts`
/// accounts are taken and each text is cut to `kMaxTextChars`.
class OnlineAccountsGoa final : public OnlineAccounts
{
public:
    static constexpr int kMaxAccounts = 100;
    static constexpr qsizetype kMaxTextChars = 320;
    /// How long the service may take to answer one call; signing in again may open the desktop's own window.
    static constexpr int kCallTimeoutMs = 25'000;

    void list(Callback done) override;
    void accessToken(const QString& providerType, const QString& identity, bool renew, Callback done) override;

private:
    /// Sends `call` and hands its reply (or error) to `done` from the event loop.
    void send(const QDBusMessage& call, std::function<void(const QDBusMessage&)> done);
    /// The accounts with their object paths, from GetManagedObjects.
    void listPaths(std::function<void(const OnlineAccountsAnswer&, const QStringList& paths)> done);

    QObject m_context;
};
