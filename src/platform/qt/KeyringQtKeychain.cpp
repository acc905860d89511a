// The keyring as a module of its own: the board loads it, and with it QtKeychain and the Secret Service client,
// only when a window first asks for a password.
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include "platform/Keyring.h"

using namespace Qt::StringLiterals;

namespace
{
const QString kService = u"Zendra 98"_s;
const QString kSecrets = u"org.freedesktop.secrets"_s;
const QString kKWallet = u"org.kde.kwalletd5"_s;
constexpr int kBusTimeoutMs = 3'000;
// A keyring that asks the user to unlock it waits for them; past this the request is given up.
constexpr int kJobTimeoutMs = 120'000;

KeyringAnswer answer(KeyringAnswer::Status status, const QString& message = {})
{
    return {status, {}, message};
}

KeyringAnswer answerOf(const QKeychain::Job& job)
{
    switch (job.error()) {
    case QKeychain::NoError:
        return answer(KeyringAnswer::Ok);
    case QKeychain::EntryNotFound:
        return answer(KeyringAnswer::NotFound);
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return answer(KeyringAnswer::Refused, job.errorString());
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return answer(KeyringAnswer::Unavailable, job.errorString());
    default:
        return answer(KeyringAnswer::Error, job.errorString());
    }
}

/// The keyring's name, from the program that owns its bus name.
QString providerName(uint pid)
{
    QFile comm(u"/proc/%1/comm"_s.arg(pid));
    const QByteArray program = comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
    if (program.startsWith("gnome-keyring"))
        return u"GNOME Keyring"_s;
    if (program.startsWith("kwallet") || program.startsWith("ksecretd"))
        return u"KWallet"_s;
    if (program.startsWith("keepassxc"))
        return u"KeePassXC"_s;
    return QCoreApplication::translate("Keyring", "the desktop's keyring");
}

QDBusMessage busMethod(const QString& method, const QString& name)
{
    auto message = QDBusMessage::createMethodCall(
        u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s, u"org.freedesktop.DBus"_s, method);
    if (!name.isEmpty())
        message << name;
    return message;
}

bool isReply(const QDBusMessage& message)
{
    return message.type() == QDBusMessage::ReplyMessage;
}

class KeyringQtKeychain final : public Keyring
{
public:
    void read(const QString& key, Callback done) override
    {
        whenAvailable(done, [this, key, done](const QString&) {
            auto* job = new QKeychain::ReadPasswordJob(kService, &m_context);
            start(job, key, done, [this, done](QKeychain::Job& finished) {
                KeyringAnswer result = answerOf(finished);
                result.password = static_cast<QKeychain::ReadPasswordJob&>(finished).textData();
                if (result.status == KeyringAnswer::NotFound)
                    unlessLocked(result, done);
                else
                    done(result);
            });
        });
    }

    void write(const QString& key, const QString& password, Callback done) override
    {
        whenAvailable(done, [this, key, password, done](const QString&) {
            auto* job = new QKeychain::WritePasswordJob(kService, &m_context);
            job->setTextData(password);
            start(job, key, done, [done](QKeychain::Job& finished) { done(answerOf(finished)); });
        });
    }

    void remove(const QString& key, Callback done) override
    {
        whenAvailable(done, [this, key, done](const QString&) {
            auto* job = new QKeychain::DeletePasswordJob(kService, &m_context);
            start(job, key, done, [this, done](QKeychain::Job& finished) {
                const KeyringAnswer result = answerOf(finished);
                // Nothing to remove is what the caller wanted, unless the keyring was too locked to look; QtKeychain
                // answers Ok for both.
                if (result.status == KeyringAnswer::NotFound || result.status == KeyringAnswer::Ok)
                    unlessLocked(answer(KeyringAnswer::Ok), done);
                else
                    done(result);
            });
        });
    }

    void checkAvailable(Callback done) override
    {
        whenAvailable(done, [done](const QString& provider) { done(answer(KeyringAnswer::Ok, provider)); });
    }

private:
    /// Runs `then` with the keyring's name when one is on the session bus, running or ready to start; else
    /// answers Unavailable. Asked of the bus first, since without a keyring QtKeychain's answer is an error
    /// that does not say so.
    void whenAvailable(const Callback& done, std::function<void(const QString&)> then)
    {
        if (!QDBusConnection::sessionBus().isConnected()) {
            QTimer::singleShot(0, &m_context, [done] {
                done(answer(
                    KeyringAnswer::Unavailable,
                    QCoreApplication::translate("Keyring", "There is no desktop session bus to reach a keyring.")));
            });
            return;
        }
        call(busMethod(u"GetConnectionUnixProcessID"_s, kSecrets), [this, done, then](const QDBusMessage& secrets) {
            if (isReply(secrets))
                return then(providerName(secrets.arguments().value(0).toUInt()));
            call(busMethod(u"NameHasOwner"_s, kKWallet), [this, done, then](const QDBusMessage& kwallet) {
                if (isReply(kwallet) && kwallet.arguments().value(0).toBool())
                    return then(u"KWallet"_s);
                call(busMethod(u"ListActivatableNames"_s, {}), [done, then](const QDBusMessage& activatable) {
                    const QStringList names = activatable.arguments().value(0).toStringList();
                    if (names.contains(kSecrets) || names.contains(kKWallet))
                        return then(QCoreApplication::translate("Keyring", "the desktop's keyring"));
                    done(answer(KeyringAnswer::Unavailable,
                                QCoreApplication::translate(
                                    "Keyring",
                                    "No keyring (GNOME Keyring, KWallet or KeePassXC) is running on this desktop.")));
                });
            });
        });
    }

    /// A read or remove that found nothing in a locked keyring was not let in to look: answers Refused then.
    void unlessLocked(const KeyringAnswer& found, const Callback& done)
    {
        auto message = QDBusMessage::createMethodCall(
            kSecrets, u"/org/freedesktop/secrets/aliases/default"_s, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
        message << u"org.freedesktop.Secret.Collection"_s << u"Locked"_s;
        call(message, [found, done](const QDBusMessage& reply) {
            const bool locked = isReply(reply) && reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
            done(locked
                     ? answer(KeyringAnswer::Refused, QCoreApplication::translate("Keyring", "The keyring is locked."))
                     : found);
        });
    }

    void call(const QDBusMessage& message, std::function<void(const QDBusMessage&)> then)
    {
        auto* watcher =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message, kBusTimeoutMs), &m_context);
        QObject::connect(
            watcher, &QDBusPendingCallWatcher::finished, &m_context, [then](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                then(finished->reply());
            });
    }

    /// Starts `job` on `key`; `finished` or, past the time-out, `done` answers, whichever comes first.
    void
    start(QKeychain::Job* job, const QString& key, const Callback& done, std::function<void(QKeychain::Job&)> finished)
    {
        job->setKey(key);
        job->setInsecureFallback(false); // never a plain-text copy of the password beside the keyring
        job->setAutoDelete(true);
        auto answered = std::make_shared<bool>(false);
        QObject::connect(job, &QKeychain::Job::finished, &m_context, [answered, finished](QKeychain::Job* ended) {
            if (!std::exchange(*answered, true))
                finished(*ended);
        });
        QTimer::singleShot(kJobTimeoutMs, job, [answered, done] {
            if (!std::exchange(*answered, true))
                done(answer(KeyringAnswer::Error,
                            QCoreApplication::translate("Keyring", "The keyring did not answer.")));
        });
        job->start();
    }

    // Parent of the jobs and bus calls in flight and context of their answers: none arrives after the keyring.
    QObject m_context;
};
} // namespace

extern "C" Q_DECL_EXPORT Keyring* zendraCreateKeyring()
{
    return new KeyringQtKeychain;
}
