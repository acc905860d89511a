#include "platform/qt/KeyringOnDemand.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QObject>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace
{
/// Stands in for a module that is missing or does not load: every request answers Unavailable.
class KeyringMissing final : public Keyring
{
public:
    explicit KeyringMissing(const QString& reason)
        : m_reason(reason)
    {
    }

    void read(const QString&, Callback done) override { unavailable(done); }
    void write(const QString&, const QString&, Callback done) override { unavailable(done); }
    void remove(const QString&, Callback done) override { unavailable(done); }
    void checkAvailable(Callback done) override { unavailable(done); }

private:
    void unavailable(const Callback& done)
    {
        QTimer::singleShot(0, &m_context, [done, reason = m_reason] {
            done({KeyringAnswer::Unavailable, {}, reason});
        });
    }

    QString m_reason;
    QObject m_context;
};
} // namespace

KeyringOnDemand::KeyringOnDemand(const QString& modulePath)
    : m_modulePath(modulePath)
{
}

KeyringOnDemand::~KeyringOnDemand() = default;

void KeyringOnDemand::read(const QString& key, Callback done)
{
    keyring().read(key, std::move(done));
}

void KeyringOnDemand::write(const QString& key, const QString& password, Callback done)
{
    keyring().write(key, password, std::move(done));
}

void KeyringOnDemand::remove(const QString& key, Callback done)
{
    keyring().remove(key, std::move(done));
}

void KeyringOnDemand::checkAvailable(Callback done)
{
    keyring().checkAvailable(std::move(done));
}

Keyring& KeyringOnDemand::keyring()
{
    if (!m_keyring) {
        // The library stays loaded for the rest of the run: the keyring's code lives in it.
        QLibrary module(m_modulePath);
        using Factory = Keyring* (*)();
        if (const auto create = reinterpret_cast<Factory>(module.resolve("zendraCreateKeyring")))
            m_keyring.reset(create());
        else
            m_keyring = std::make_unique<KeyringMissing>(
                QCoreApplication::translate("Keyring", "The keyring support of Zendra 98 is not installed (%1).")
                    .arg(module.errorString()));
    }
    return *m_keyring;
}
