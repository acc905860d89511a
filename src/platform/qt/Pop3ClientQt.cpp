#include "platform/qt/Pop3ClientQt.h"

#include <chrono>
#include <future>

#include <QCryptographicHash>
#include <QDir>
#include <QLocale>
#include <QSslConfiguration>
#include <QSslSocket>

namespace
{
using Kind = Pop3ReplyReader::Kind;

/// A socket read at a time: the reader keeps what matters, so the socket need not hold more than this.
constexpr qint64 kReadChunk = 64 * 1024;
constexpr int kQuitGraceMs = 5000;

QString serverText(const QByteArray& text)
{
    const QString reason = QString::fromUtf8(text).simplified();
    return reason.isEmpty() ? Pop3ClientQt::tr("The mail server refused without giving a reason.") : reason;
}

QString tooLongText()
{
    return Pop3ClientQt::tr("The mail server's reply was too long.");
}

/// The authorities named by `SSL_CERT_FILE` (a bundle) and `SSL_CERT_DIR` (folders, separated by colons), which
/// OpenSSL's own programs honour and Qt does not.
QList<QSslCertificate> certificatesFromEnvironment()
{
    QList<QSslCertificate> certificates;
    const QString file = qEnvironmentVariable("SSL_CERT_FILE");
    if (!file.isEmpty())
        certificates += QSslCertificate::fromPath(file);
    const QStringList folders = qEnvironmentVariable("SSL_CERT_DIR").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& folder : folders) {
        certificates += QSslCertificate::fromPath(
            QDir(folder).filePath(QStringLiteral("*")), QSsl::Pem, QSslCertificate::PatternSyntax::Wildcard);
    }
    return certificates;
}

/// The authorities of the environment, read on a thread of their own once for each setting of the two variables:
/// a folder of a few hundred certificates takes a quarter of a second to parse, which the board must not wait for.
const std::shared_future<QList<QSslCertificate>>& environmentCertificates()
{
    struct Loaded
    {
        QString file, folders;
        std::shared_future<QList<QSslCertificate>> certificates;
    };
    static Loaded loaded;
    const QString file = qEnvironmentVariable("SSL_CERT_FILE"), folders = qEnvironmentVariable("SSL_CERT_DIR");
    if (!loaded.certificates.valid() || loaded.file != file || loaded.folders != folders)
        loaded = {file, folders, std::async(std::launch::async, certificatesFromEnvironment).share()};
    return loaded.certificates;
}

QString names(const QSslCertificate& certificate)
{
    QStringList all = certificate.subjectAlternativeNames().values(QSsl::DnsEntry);
    for (const QString& name : certificate.subjectInfo(QSslCertificate::CommonName)) {
        if (!all.contains(name))
            all.prepend(name);
    }
    return all.isEmpty() ? Pop3ClientQt::tr("no name") : all.join(QStringLiteral(", "));
}

QString day(const QDateTime& time)
{
    return QLocale().toString(time.toLocalTime(), QLocale::LongFormat);
}

QString problemOf(const QSslError& error, const QSslCertificate& certificate, const QString& host)
{
    switch (error.error()) {
    case QSslError::SelfSignedCertificate:
        return Pop3ClientQt::tr("it is signed only by itself, not by an authority this computer trusts");
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
        return Pop3ClientQt::tr("it is not signed by an authority this computer trusts");
    case QSslError::CertificateExpired:
        return Pop3ClientQt::tr("it expired on %1").arg(day(certificate.expiryDate()));
    case QSslError::CertificateNotYetValid:
        return Pop3ClientQt::tr("it is not valid before %1").arg(day(certificate.effectiveDate()));
    case QSslError::HostNameMismatch:
        return Pop3ClientQt::tr("it is made out for %1, not for %2").arg(names(certificate), host);
    case QSslError::CertificateRevoked:
        return Pop3ClientQt::tr("it has been revoked");
    default:
        return error.errorString();
    }
}
} // namespace

QString Pop3ClientQt::fingerprintOf(const QSslCertificate& certificate)
{
    const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper();
    return QString::fromLatin1(digest);
}

Pop3Certificate
Pop3ClientQt::describe(const QSslCertificate& certificate, const QList<QSslError>& errors, const QString& host)
{
    Pop3Certificate described;
    described.subject = certificate.subjectDisplayName();
    described.issuer = certificate.issuerDisplayName();
    described.validFrom = certificate.effectiveDate();
    described.validTo = certificate.expiryDate();
    described.fingerprint = fingerprintOf(certificate);
    for (const QSslError& error : errors) {
        const QString problem = problemOf(error, certificate, host);
        if (!described.problems.contains(problem))
            described.problems << problem;
    }
    return described;
}

Pop3ClientQt::Pop3ClientQt(QObject* parent)
    : Pop3ClientQt(Options(), parent)
{
}

Pop3ClientQt::Pop3ClientQt(const Options& options, QObject* parent)
    : Pop3Client(parent)
    , m_options(options)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Pop3ClientQt::onTimeout);
    m_sessionTimer.setSingleShot(true);
    connect(&m_sessionTimer, &QTimer::timeout, this, &Pop3ClientQt::onSessionLimit);
}

Pop3ClientQt::~Pop3ClientQt()
{
    shutDown();
}

void Pop3ClientQt::open(const Pop3Account& account)
{
    shutDown();
    m_reader = {};
    m_outgoing.clear();
    m_tlsReason.clear();
    m_refused.reset();
    m_certificateChanged = false;
    m_paused = false;
    m_pipelining = false;
    m_offersTop = true;
    m_useRetr = false;
    m_loginReplies = 0;
    m_count = 0;
    m_sent.clear();
    m_done.clear();
    m_retried.clear();
    m_account = account;
    setError(Pop3Error::None, {});
    setCertificate(std::nullopt);

    const auto address = Pop3Protocol::parseServer(account.server);
    // Checked before any connection: a line break would let the field add commands of its own.
    const bool withToken = !account.accessToken.isEmpty();
    // A token crosses the network only encrypted: there is no clear-text choice for an online account.
    const bool tokenInClear = withToken && account.security == Pop3Security::None;
    if (!address || !Pop3Protocol::isSafeArgument(account.user) || !Pop3Protocol::isSafeArgument(account.password) ||
        !Pop3Protocol::isSafeArgument(account.accessToken) || tokenInClear) {
        m_step = Step::Closed;
        const QString text = !address ? tr("The mail server address \"%1\" is not valid.").arg(account.server)
                             : tokenInClear
                                 ? tr("Signing in with an online account needs a secure connection; nothing was sent.")
                                 : tr("The user name or password holds a line break; nothing was sent.");
        // Reported from the event loop like every other outcome, so a caller connects before or after open().
        QTimer::singleShot(0, this, [this, text, session = m_session] {
            if (session == m_session)
                fail(Pop3Error::InvalidAccount, text);
        });
        return;
    }
    m_host = address->host;
    m_port = address->portGiven || account.security != Pop3Security::TlsOnConnect ? address->port
                                                                                  : Pop3Protocol::kImplicitTlsPort;
    m_step = Step::Greeting;
    armTimer();
    m_sessionTimer.start(m_options.sessionLimitMs);
    connectToServer();
}

void Pop3ClientQt::connectToServer()
{
    QList<QSslCertificate> extra = m_options.extraCaCertificates;
    if (m_account.security != Pop3Security::None) {
        // Asked again from the event loop until the authorities of the environment have been read.
        const auto& certificates = environmentCertificates();
        if (certificates.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            QTimer::singleShot(5, this, [this, session = m_session] {
                if (session == m_session)
                    connectToServer();
            });
            return;
        }
        extra += certificates.get();
    }
    m_socket = new QSslSocket(this);
    m_socket->setReadBufferSize(kReadChunk);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!extra.isEmpty())
        tls.addCaCertificates(extra);
    m_socket->setSslConfiguration(tls);
    connect(m_socket, &QSslSocket::readyRead, this, &Pop3ClientQt::onReadyRead);
    connect(m_socket, &QSslSocket::encrypted, this, &Pop3ClientQt::onEncrypted);
    connect(m_socket, &QSslSocket::errorOccurred, this, &Pop3ClientQt::onSocketError);
    connect(m_socket, &QSslSocket::sslErrors, this, &Pop3ClientQt::onSslErrors);

    m_reader.expect(Kind::Status);
    if (m_account.security == Pop3Security::TlsOnConnect)
        m_socket->connectToHostEncrypted(m_host, m_port);
    else
        m_socket->connectToHost(m_host, m_port);
}

void Pop3ClientQt::retrieveHeaders(int first, int last)
{
    if (m_step != Step::Ready)
        return;
    m_next = m_emit = qMax(1, first);
    m_last = last;
    m_step = Step::Listing;
    // A long list earns a little more time than the session limit alone.
    if (m_next <= m_last) {
        const qint64 extra = qint64(m_last - m_next + 1) * m_options.sessionMsPerMessage;
        m_sessionTimer.start(int(qMin<qint64>(m_sessionTimer.remainingTime() + extra, 24 * 3600 * 1000)));
    }
    if (m_next > m_last) {
        m_step = Step::Ready;
        QTimer::singleShot(0, this, [this, session = m_session] {
            if (session == m_session && m_step == Step::Ready)
                Q_EMIT retrieved();
        });
        return;
    }
    sendFetches();
    flush();
}

void Pop3ClientQt::close()
{
    const bool polite = m_socket && m_socket->state() == QAbstractSocket::ConnectedState && m_step != Step::Handshake &&
                        m_step != Step::Closed;
    if (!polite) {
        shutDown();
        return;
    }
    // QUIT goes out without waiting for its answer: a client that never deletes has nothing to commit. The socket
    // closes once it is written, or after a few seconds if the server does not take it.
    QSslSocket* socket = m_socket;
    m_socket = nullptr;
    shutDown();
    socket->disconnect(this);
    socket->write("QUIT\r\n");
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kQuitGraceMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

void Pop3ClientQt::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused) {
        // The server is not slow while nobody reads it: the reply's time starts again on resuming.
        m_timer.stop();
        return;
    }
    if (m_step == Step::Closed)
        return;
    if (m_reader.awaiting() > 0 || m_step == Step::Handshake)
        armTimer();
    // What arrived meanwhile waits in the socket; no new signal would announce it.
    QTimer::singleShot(0, this, [this, session = m_session] {
        if (session == m_session)
            onReadyRead();
    });
}

void Pop3ClientQt::shutDown()
{
    ++m_session;
    m_step = Step::Closed;
    m_timer.stop();
    m_sessionTimer.stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
}

void Pop3ClientQt::armTimer()
{
    m_timer.start(m_options.timeoutMs);
}

void Pop3ClientQt::onReadyRead()
{
    QList<Pop3ReplyReader::Reply> replies;
    bool completed = false;
    while (m_socket && !m_paused && m_step != Step::Handshake && m_socket->bytesAvailable() > 0) {
        const QByteArray bytes = m_socket->read(kReadChunk);
        replies.clear();
        const bool fine = m_reader.feed(bytes, replies);
        for (qsizetype i = 0; i < replies.size(); ++i) {
            completed = true;
            handle(replies[i]);
            if (m_step == Step::Closed)
                return;
            if (m_step == Step::Handshake) {
                // Whatever came after the server agreed to STLS was sent in clear before the handshake, where
                // anyone on the path could have put it: it must never be read as an answer after it.
                if (i + 1 < replies.size() || !fine || m_reader.hasPartialLine() || m_socket->bytesAvailable() > 0) {
                    fail(Pop3Error::Tls,
                         tr("The secure connection to %1 failed: the server sent clear text before it.").arg(m_host));
                    return;
                }
                startTls();
                return;
            }
        }
        if (!fine) {
            if (m_reader.fault() == Pop3ReplyReader::Fault::TooLong)
                fail(Pop3Error::ReplyTooLong, tooLongText());
            else
                fail(Pop3Error::Protocol, tr("The mail server %1 did not answer as a POP3 server does.").arg(m_host));
            return;
        }
    }
    // Only a whole reply renews the time: a server that trickles a byte now and then still runs out of it.
    if (completed) {
        if (m_reader.awaiting() > 0)
            armTimer();
        else
            m_timer.stop();
    }
    flush();
}

void Pop3ClientQt::handle(Pop3ReplyReader::Reply& reply)
{
    switch (m_step) {
    case Step::Greeting:
        if (!reply.ok) {
            fail(Pop3Error::Server, serverText(reply.text));
            return;
        }
        m_step = Step::Capabilities;
        send("CAPA\r\n", Kind::Lines);
        return;
    case Step::Capabilities:
        handleCapabilities(reply);
        return;
    case Step::StartTls:
        if (!reply.ok) {
            fail(Pop3Error::Tls,
                 tr("The mail server %1 offered a secure connection but did not start it: %2")
                     .arg(m_host, serverText(reply.text)));
            return;
        }
        // The handshake starts once the rest of what was read has been checked (see onReadyRead).
        m_step = Step::Handshake;
        return;
    case Step::Authenticate:
        handleAuthentication(reply);
        return;
    case Step::Login:
        handleLogin(reply);
        return;
    case Step::Listing:
        handleMessage(reply);
        return;
    case Step::Idle:
    case Step::Handshake:
    case Step::Ready:
    case Step::Closed:
        fail(Pop3Error::Protocol, tr("The mail server %1 did not answer as a POP3 server does.").arg(m_host));
        return;
    }
}

void Pop3ClientQt::startTls()
{
    m_reader = {};
    armTimer();
    m_socket->startClientEncryption();
}

void Pop3ClientQt::handleCapabilities(const Pop3ReplyReader::Reply& reply)
{
    bool offersStls = false;
    m_pipelining = false;
    m_offersXoauth2 = false;
    m_offersTop = true;
    // A server without CAPA is an RFC 1939 server: no STLS, no pipelining, TOP tried and RETR after a refusal.
    if (reply.ok) {
        m_offersTop = false;
        for (const QByteArray& line : reply.lines) {
            const QByteArray name = line.trimmed().split(' ').value(0).toUpper();
            offersStls = offersStls || name == "STLS";
            m_pipelining = m_pipelining || name == "PIPELINING";
            m_offersXoauth2 = m_offersXoauth2 || (name == "SASL" && line.toUpper().split(' ').contains("XOAUTH2"));
            m_offersTop = m_offersTop || name == "TOP";
        }
    }
    m_useRetr = !m_offersTop;
    if (m_account.security == Pop3Security::StartTls && !m_socket->isEncrypted()) {
        // Required, so a server (or anyone on the path) that leaves STLS out gets no password.
        if (!offersStls) {
            fail(Pop3Error::Tls,
                 tr("The mail server %1 does not offer a secure connection (STARTTLS), "
                    "which this account requires. Nothing was sent.")
                     .arg(m_host));
            return;
        }
        m_step = Step::StartTls;
        send("STLS\r\n", Kind::Status);
        return;
    }
    sendLogin();
}

void Pop3ClientQt::onEncrypted()
{
    if (m_step == Step::Handshake) {
        // What the server said before the upgrade may have been forged: ask again.
        m_step = Step::Capabilities;
        send("CAPA\r\n", Kind::Lines);
        m_timer.stop();
        flush();
    }
}

void Pop3ClientQt::sendLogin()
{
    m_loginReplies = 0;
    if (!m_account.accessToken.isEmpty()) {
        // SASL XOAUTH2 with its initial response; nothing is sent ahead, since the server may answer with a
        // challenge that the next line must answer.
        m_step = Step::Authenticate;
        const QByteArray response =
            "user=" + m_account.user.toUtf8() + '\x01' + "auth=Bearer " + m_account.accessToken.toUtf8() + "\x01\x01";
        send("AUTH XOAUTH2 " + response.toBase64() + "\r\n", Kind::Auth);
        return;
    }
    m_step = Step::Login;
    const QByteArray user = "USER " + m_account.user.toUtf8() + "\r\n";
    const QByteArray pass = "PASS " + m_account.password.toUtf8() + "\r\n";
    send(user, Kind::Status);
    if (m_pipelining) {
        send(pass, Kind::Status);
        send("STAT\r\n", Kind::Status);
    }
}

void Pop3ClientQt::handleAuthentication(const Pop3ReplyReader::Reply& reply)
{
    if (reply.challenge) {
        // XOAUTH2 answers a refused token with a challenge that holds the error's details; an empty line ends the
        // exchange and the server's -ERR follows.
        send("\r\n", Kind::Status);
        return;
    }
    if (!reply.ok) {
        if (m_offersXoauth2)
            fail(Pop3Error::TokenRefused, serverText(reply.text));
        else
            fail(Pop3Error::Server,
                 tr("The mail server %1 does not offer sign-in with an online account (SASL XOAUTH2): %2")
                     .arg(m_host, serverText(reply.text)));
        return;
    }
    // Signed in: on to the count, as after USER and PASS.
    m_step = Step::Login;
    m_loginReplies = 2;
    send("STAT\r\n", Kind::Status);
}

void Pop3ClientQt::handleLogin(const Pop3ReplyReader::Reply& reply)
{
    ++m_loginReplies;
    if (!reply.ok) {
        fail(Pop3Error::Server, serverText(reply.text));
        return;
    }
    if (m_loginReplies == 1 && !m_pipelining) {
        send("PASS " + m_account.password.toUtf8() + "\r\n", Kind::Status);
        return;
    }
    if (m_loginReplies == 2 && !m_pipelining) {
        send("STAT\r\n", Kind::Status);
        return;
    }
    if (m_loginReplies < 3)
        return;
    const auto count = Pop3Protocol::parseStatCount(reply.text);
    if (!count) {
        fail(Pop3Error::Protocol, tr("The mail server %1 gave a message count that is not a number.").arg(m_host));
        return;
    }
    m_count = *count;
    m_step = Step::Ready;
    m_timer.stop();
    Q_EMIT opened(m_count);
}

void Pop3ClientQt::fetch(int number, Fetch how)
{
    m_sent.append({number, how});
    const QByteArray n = QByteArray::number(number);
    send(how == Fetch::Top ? "TOP " + n + " 0\r\n" : "RETR " + n + "\r\n", Kind::Message);
}

void Pop3ClientQt::sendFetches()
{
    const int window = m_pipelining ? kPipelineWindow : 1;
    // Refilled in batches of half a window, so that each write carries many commands.
    if (m_sent.size() > window / 2)
        return;
    while (m_sent.size() < window && m_next <= m_last) {
        fetch(m_next, m_useRetr ? Fetch::Retr : Fetch::Top);
        ++m_next;
    }
}

void Pop3ClientQt::handleMessage(Pop3ReplyReader::Reply& reply)
{
    if (m_sent.isEmpty()) {
        fail(Pop3Error::Protocol, tr("The mail server %1 did not answer as a POP3 server does.").arg(m_host));
        return;
    }
    const Sent sent = m_sent.takeFirst();
    if (!reply.ok && sent.fetch == Fetch::Top && !m_retried.contains(sent.number)) {
        // TOP is optional in POP3: the whole message read with RETR gives the same header.
        m_retried.insert(sent.number);
        fetch(sent.number, Fetch::Retr);
        return;
    }
    if (reply.ok && sent.fetch == Fetch::Retr && m_retried.contains(sent.number))
        m_useRetr = true;
    m_retried.remove(sent.number);
    Result result;
    if (!reply.ok) {
        result.error = Pop3Error::Server;
        result.text = serverText(reply.text);
    } else if (reply.tooLong) {
        result.error = Pop3Error::ReplyTooLong;
        result.text = tooLongText();
    } else {
        result.headers = Pop3Protocol::parseHeaders(reply.header);
    }
    m_done.insert(sent.number, std::move(result));
    deliver();
    if (m_step == Step::Listing)
        sendFetches();
}

void Pop3ClientQt::deliver()
{
    while (m_step == Step::Listing && m_done.contains(m_emit)) {
        const Result result = m_done.take(m_emit);
        const int number = m_emit++;
        setError(result.error, result.text);
        if (result.error != Pop3Error::None)
            Q_EMIT messageFailed(number, result.error, result.text);
        else
            Q_EMIT headersRetrieved(number, result.headers);
    }
    if (m_step == Step::Listing && m_emit > m_last) {
        m_step = Step::Ready;
        m_timer.stop();
        Q_EMIT retrieved();
    }
}

void Pop3ClientQt::send(const QByteArray& command, Pop3ReplyReader::Kind kind)
{
    m_reader.expect(kind);
    m_outgoing += command;
}

void Pop3ClientQt::flush()
{
    if (m_socket && !m_outgoing.isEmpty()) {
        m_socket->write(m_outgoing);
        m_outgoing.clear();
        // The first command after a pause in the talk starts the time its reply may take; commands sent
        // ahead while earlier replies are due do not renew it.
        if (!m_timer.isActive() && !m_paused)
            armTimer();
    }
}

void Pop3ClientQt::onSocketError()
{
    if (!m_socket || m_step == Step::Closed)
        return;
    switch (m_socket->error()) {
    case QAbstractSocket::HostNotFoundError:
        fail(Pop3Error::HostNotFound, tr("The mail server %1 was not found.").arg(m_host));
        return;
    case QAbstractSocket::ConnectionRefusedError:
        fail(Pop3Error::ConnectionRefused,
             tr("The mail server %1 refused the connection on port %2.").arg(m_host).arg(m_port));
        return;
    case QAbstractSocket::SslHandshakeFailedError:
        if (m_refused) {
            const Pop3Certificate offered = *m_refused;
            setCertificate(offered);
            if (m_certificateChanged) {
                fail(Pop3Error::CertificateChanged,
                     tr("The certificate of %1 is not the one you chose to trust for this account, so the "
                        "connection was refused. Trusted: SHA-256 %2. Offered now: SHA-256 %3.")
                         .arg(m_host, m_account.trustedCertificate, offered.fingerprint));
            } else {
                fail(Pop3Error::CertificateUntrusted,
                     tr("The certificate of %1 is not trusted: %2.")
                         .arg(m_host, offered.problems.join(QStringLiteral("; "))));
            }
            return;
        }
        [[fallthrough]];
    case QAbstractSocket::SslInternalError:
    case QAbstractSocket::SslInvalidUserDataError: {
        const QString reason = m_tlsReason.isEmpty() ? m_socket->errorString() : m_tlsReason;
        fail(Pop3Error::Tls, tr("The secure connection to %1 failed: %2").arg(m_host, reason));
        return;
    }
    default:
        if (m_step == Step::Handshake ||
            (m_account.security == Pop3Security::TlsOnConnect && !m_socket->isEncrypted())) {
            const QString reason = m_tlsReason.isEmpty() ? m_socket->errorString() : m_tlsReason;
            fail(Pop3Error::Tls, tr("The secure connection to %1 failed: %2").arg(m_host, reason));
            return;
        }
        fail(Pop3Error::ConnectionLost, tr("The connection to the mail server %1 was lost.").arg(m_host));
        return;
    }
}

void Pop3ClientQt::onSslErrors(const QList<QSslError>& errors)
{
    if (errors.isEmpty())
        return;
    m_tlsReason = errors.first().errorString();
    const QSslCertificate peer = m_socket->peerCertificate();
    if (peer.isNull())
        return;
    const QString fingerprint = fingerprintOf(peer);
    // The one certificate the person chose to trust for this account passes; any other is refused and described.
    if (!m_account.trustedCertificate.isEmpty() && fingerprint == m_account.trustedCertificate) {
        m_socket->ignoreSslErrors();
        return;
    }
    m_refused = describe(peer, errors, m_host);
    m_certificateChanged = !m_account.trustedCertificate.isEmpty();
}

void Pop3ClientQt::onSessionLimit()
{
    fail(Pop3Error::Timeout,
         tr("The mail check took longer than %n minutes and was stopped.",
            nullptr,
            static_cast<int>((m_options.sessionLimitMs + 59'999) / 60'000)));
}

void Pop3ClientQt::onTimeout()
{
    fail(Pop3Error::Timeout,
         tr("The mail server %1 did not answer within %n seconds.",
            nullptr,
            static_cast<int>((m_options.timeoutMs + 999) / 1000))
             .arg(m_host));
}

void Pop3ClientQt::fail(Pop3Error error, const QString& text)
{
    shutDown();
    setError(error, text);
    Q_EMIT failed(error, text);
}
