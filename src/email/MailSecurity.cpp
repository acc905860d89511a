#include "email/MailSecurity.h"

#include <QCoreApplication>

#include "core/RecordFile.h"
#include "platform/Pop3Protocol.h"

MailSecurity MailSecurity::readFrom(const DataDir& dir, const QString& server)
{
    MailSecurity settings;
    settings.security = defaultFor(server);
    qint32 security = -1;
    QString account, certificate, provider, identity;
    RecordReader reader = RecordReader::open(dir, QString::fromLatin1(kName));
    reader.read(security, account, certificate, provider, identity);
    if (security < 0 || security > static_cast<qint32>(Pop3Security::None))
        return settings; // no file, or not ours: the safe default, and no certificate trusted
    settings.security = static_cast<Pop3Security>(security);
    settings.certificateAccount = account;
    settings.certificate = certificate;
    // An online account signs in over TLS only, whatever the file says.
    if (!provider.isEmpty() && !identity.isEmpty() && settings.security != Pop3Security::None) {
        settings.onlineProvider = provider;
        settings.onlineIdentity = identity;
    }
    return settings;
}

bool MailSecurity::write(const DataDir& dir) const
{
    RecordWriter writer;
    writer.writeRecord({static_cast<qint32>(security)});
    writer.writeRecord({certificateAccount});
    writer.writeRecord({certificate});
    if (usesOnlineAccount()) {
        writer.writeRecord({onlineProvider});
        writer.writeRecord({onlineIdentity});
    }
    return writer.commit(dir, QString::fromLatin1(kName), {.ownerOnly = true});
}

Pop3Security MailSecurity::defaultFor(const QString& server)
{
    const auto address = Pop3Protocol::parseServer(server);
    return address && address->port == Pop3Protocol::kImplicitTlsPort ? Pop3Security::TlsOnConnect
                                                                      : Pop3Security::StartTls;
}

QString MailSecurity::describe(Pop3Security security)
{
    switch (security) {
    case Pop3Security::TlsOnConnect:
        return QCoreApplication::translate("MailSecurity", "TLS on connect (port 995)");
    case Pop3Security::StartTls:
        return QCoreApplication::translate("MailSecurity", "STARTTLS, required (port 110)");
    case Pop3Security::None:
        return QCoreApplication::translate("MailSecurity", "None (clear text)");
    }
    return {};
}
