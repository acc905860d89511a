#include "platform/qt/OnlineAccountsGoa.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace
{
const QString kService = u"org.gnome.OnlineAccounts"_s;
const QString kRoot = u"/org/gnome/OnlineAccounts"_s;
const QString kAccount = u"org.gnome.OnlineAccounts.Account"_s;
const QString kOAuth2 = u"org.gnome.OnlineAccounts.OAuth2Based"_s;
const QString kMail = u"org.gnome.OnlineAccounts.Mail"_s;

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

/// A text of the service's, cut to a length a window can show.
QString text(const QVariantMap& properties, const QString& name)
{
    return properties.value(name).toString().left(OnlineAccountsGoa::kMaxTextChars);
}

/// What a failed call means for the person.
OnlineAccountsAnswer failure(const QDBusMessage& reply)
{
    const QString name = reply.errorName();
    if (name == u"org.freedesktop.DBus.Error.ServiceUnknown"_s || name == u"org.freedesktop.DBus.Error.NoReply"_s ||
        name == u"org.freedesktop.DBus.Error.Disconnected"_s || name == u"org.freedesktop.DBus.Error.NameHasNoOwner"_s)
        return {OnlineAccountsAnswer::Unavailable,
                {},
                {},
                QCoreApplication::translate("OnlineAccounts", "The desktop's online accounts do not answer.")};
    if (name == u"org.freedesktop.DBus.Error.UnknownObject"_s || name == u"org.freedesktop.DBus.Error.UnknownMethod"_s)
        return {OnlineAccountsAnswer::NotFound, {}, {}, {}};
    return {OnlineAccountsAnswer::Refused, {}, {}, reply.errorMessage().left(OnlineAccountsGoa::kMaxTextChars)};
}
} // namespace

Q_DECLARE_METATYPE(Interfaces)
Q_DECLARE_METATYPE(ManagedObjects)

void OnlineAccountsGoa::send(const QDBusMessage& call, std::function<void(const QDBusMessage&)> done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        // Answered from the event loop all the same, as every request is.
        QTimer::singleShot(0, &m_context, [done, call] {
            done(call.createErrorReply(u"org.freedesktop.DBus.Error.Disconnected"_s, {}));
        });
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMs), &m_context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_context, [watcher, done] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

void OnlineAccountsGoa::listPaths(std::function<void(const OnlineAccountsAnswer&, const QStringList&)> done)
{
    static const bool registered = [] {
        qDBusRegisterMetaType<Interfaces>();
        qDBusRegisterMetaType<ManagedObjects>();
        return true;
    }();
    Q_UNUSED(registered);
    const auto call = QDBusMessage::createMethodCall(
        kService, kRoot, u"org.freedesktop.DBus.ObjectManager"_s, u"GetManagedObjects"_s);
    send(call, [done](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
            reply.signature() != u"a{oa{sa{sv}}}"_s) {
            OnlineAccountsAnswer answer = failure(reply);
            // A reply of another shape is no account service we know: as if there were none.
            if (reply.type() == QDBusMessage::ReplyMessage || answer.status == OnlineAccountsAnswer::NotFound)
                answer = {OnlineAccountsAnswer::Unavailable, {}, {}, {}};
            done(answer, {});
            return;
        }
        const auto objects = qdbus_cast<ManagedObjects>(reply.arguments().constFirst());
        OnlineAccountsAnswer answer{OnlineAccountsAnswer::Ok, {}, {}, {}};
        QStringList paths;
        for (auto object = objects.cbegin(); object != objects.cend() && paths.size() < kMaxAccounts; ++object) {
            const Interfaces& interfaces = object.value();
            const QVariantMap account = interfaces.value(kAccount);
            // Mail from an OAuth2 account the person has not switched mail off for.
            if (!interfaces.contains(kAccount) || !interfaces.contains(kOAuth2) || !interfaces.contains(kMail) ||
                account.value(u"MailDisabled"_s).toBool())
                continue;
            OnlineAccount found{text(account, u"ProviderType"_s),
                                text(account, u"ProviderName"_s),
                                text(account, u"PresentationIdentity"_s),
                                text(interfaces.value(kMail), u"EmailAddress"_s)};
            if (found.identity.isEmpty())
                found.identity = text(account, u"Identity"_s);
            if (found.emailAddress.isEmpty())
                found.emailAddress = found.identity;
            if (found.providerType.isEmpty() || found.identity.isEmpty())
                continue;
            answer.accounts << found;
            paths << object.key().path();
        }
        done(answer, paths);
    });
}

void OnlineAccountsGoa::list(Callback done)
{
    listPaths([done](const OnlineAccountsAnswer& answer, const QStringList&) { done(answer); });
}

void OnlineAccountsGoa::accessToken(const QString& providerType, const QString& identity, bool renew, Callback done)
{
    // The account is looked up afresh each time: one removed from the desktop since the last check is noticed.
    listPaths([this, providerType, identity, renew, done](const OnlineAccountsAnswer& list, const QStringList& paths) {
        if (list.status != OnlineAccountsAnswer::Ok)
            return done(list);
        qsizetype index = 0;
        while (index < list.accounts.size() &&
               (list.accounts[index].providerType != providerType || list.accounts[index].identity != identity))
            ++index;
        if (index == list.accounts.size())
            return done({OnlineAccountsAnswer::NotFound, {}, {}, {}});
        const QString path = paths[index];
        const auto getToken = [this, path, done] {
            send(QDBusMessage::createMethodCall(kService, path, kOAuth2, u"GetAccessToken"_s),
                 [done](const QDBusMessage& reply) {
                     const QList<QVariant> values = reply.arguments();
                     if (reply.type() != QDBusMessage::ReplyMessage)
                         return done(failure(reply));
                     const QString token = values.isEmpty() ? QString() : values.constFirst().toString();
                     // A token is sent on one command line: one that could end the line is no token.
                     if (token.isEmpty() || token.size() > 64 * 1024 || token.contains(u'\r') || token.contains(u'\n'))
                         return done(
                             {OnlineAccountsAnswer::Refused,
                              {},
                              {},
                              QCoreApplication::translate("OnlineAccounts", "The desktop gave no usable token.")});
                     done({OnlineAccountsAnswer::Ok, {}, token, {}});
                 });
        };
        if (!renew)
            return getToken();
        // The mail server refused the last token: the desktop checks the sign-in, renewing what it can, first.
        send(QDBusMessage::createMethodCall(kService, path, kAccount, u"EnsureCredentials"_s),
             [done, getToken](const QDBusMessage& reply) {
                 if (reply.type() != QDBusMessage::ReplyMessage)
                     return done(failure(reply));
                 getToken();
             });
    });
}
