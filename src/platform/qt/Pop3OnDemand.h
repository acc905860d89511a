#pragma once

#include <QString>

#include "platform/Pop3Client.h"

/// Loads the mail module beside the executable when the first check asks for a client, so that Qt Network and the
/// TLS and proxy libraries behind it load only in a run that checks mail. Without the module every check fails at
/// once and says why.
class Pop3FactoryOnDemand final : public Pop3Factory
{
public:
    explicit Pop3FactoryOnDemand(const QString& modulePath);

    std::unique_ptr<Pop3Client> create() override;

private:
    using Create = Pop3Client* (*)();

    QString m_modulePath;
    bool m_tried = false;
    Create m_create = nullptr;
    QString m_error;
};
