#pragma once

#include <memory>

#include <QString>

#include "platform/Keyring.h"

/// Loads the keyring module beside the executable on the first request and hands every request to it, so that
/// QtKeychain and the Secret Service client load only when a password is asked for. Without the module every
/// request answers Unavailable.
class KeyringOnDemand final : public Keyring
{
public:
    explicit KeyringOnDemand(const QString& modulePath);
    ~KeyringOnDemand() override;

    void read(const QString& key, Callback done) override;
    void write(const QString& key, const QString& password, Callback done) override;
    void remove(const QString& key, Callback done) override;
    void checkAvailable(Callback done) override;

private:
    Keyring& keyring();

    QString m_modulePath;
    std::unique_ptr<Keyring> m_keyring;
};
