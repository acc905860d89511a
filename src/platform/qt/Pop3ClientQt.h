#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QSslCertificate>
#include <QTimer>

#include "platform/Pop3Client.h"
#include "platform/Pop3Protocol.h"

class QSslError;
class QSslSocket;

/// POP3 on Qt Network, secured as the account says: TLS from the first byte, or STLS after the greeting (required:
/// a server that does not offer it gets no login), or, only when the person chose it, nothing. The certificate is
/// verified against the system's trust store (plus `SSL_CERT_FILE` and `SSL_CERT_DIR` when set) and the host name;
/// one the system does not trust is accepted only when its fingerprint is the one trusted for the account. With
/// PIPELINING the login and the TOP commands go out without waiting for each answer, at most `kPipelineWindow`
/// commands ahead; otherwise one at a time. When TOP is refused it reads the message with RETR and keeps only its
/// header. Each reply must come within the time-out from the moment it is due, and the whole check within the
/// session limit.
class Pop3ClientQt final : public Pop3Client
{
    Q_OBJECT

public:
    /// Commands sent ahead of their answers: enough to keep a 20 ms round trip busy, few enough that a large
    /// mailbox never queues all its commands at once.
    static constexpr int kPipelineWindow = 1024;

    struct Options
    {
        int timeoutMs = kDefaultTimeoutMs;
        int sessionLimitMs = kSessionLimitMs;
        int sessionMsPerMessage = kSessionMsPerMessage;
        /// Trusted besides the system's certificates; tests give their self-signed server certificate here.
        QList<QSslCertificate> extraCaCertificates;
    };

    explicit Pop3ClientQt(QObject* parent = nullptr);
    Pop3ClientQt(const Options& options, QObject* parent = nullptr);
    ~Pop3ClientQt() override;

    void open(const Pop3Account& account) override;
    int messageCount() const override { return m_count; }
    void retrieveHeaders(int first, int last) override;
    void close() override;
    void setPaused(bool paused) override;

    /// The fingerprint of a certificate as `Pop3Certificate::fingerprint` writes it.
    static QString fingerprintOf(const QSslCertificate& certificate);
    /// A certificate and the reasons it is not trusted, in plain words.
    static Pop3Certificate
    describe(const QSslCertificate& certificate, const QList<QSslError>& errors, const QString& host);

private:
    enum class Step
    {
        Idle,
        Greeting,
        Capabilities,
        StartTls,
        Handshake,
        Authenticate, // SASL XOAUTH2 with an access token
        Login,
        Ready,
        Listing,
        Closed,
    };

    enum class Fetch
    {
        Top,
        Retr,
    };

    struct Sent
    {
        int number = 0;
        Fetch fetch = Fetch::Top;
    };

    void connectToServer();
    void onReadyRead();
    void onEncrypted();
    void onSocketError();
    void onSslErrors(const QList<QSslError>& errors);
    void onTimeout();
    void onSessionLimit();
    void handle(Pop3ReplyReader::Reply& reply);
    void handleCapabilities(const Pop3ReplyReader::Reply& reply);
    void handleAuthentication(const Pop3ReplyReader::Reply& reply);
    void handleLogin(const Pop3ReplyReader::Reply& reply);
    void handleMessage(Pop3ReplyReader::Reply& reply);
    void startTls();
    void send(const QByteArray& command, Pop3ReplyReader::Kind kind);
    void flush();
    void sendLogin();
    void sendFetches();
    void fetch(int number, Fetch how);
    void deliver();
    void fail(Pop3Error error, const QString& text);
    void shutDown();
    void armTimer();

    Options m_options;
    QSslSocket* m_socket = nullptr;
    QTimer m_timer;        // the reply that is due
    QTimer m_sessionTimer; // the whole check
    Pop3ReplyReader m_reader;
    QByteArray m_outgoing;
    Step m_step = Step::Idle;
    Pop3Account m_account;
    QString m_host;
    quint16 m_port = 0;
    QString m_tlsReason;
    std::optional<Pop3Certificate> m_refused; // the certificate the handshake is about to fail on
    bool m_certificateChanged = false;
    bool m_paused = false;
    bool m_pipelining = false;
    bool m_offersXoauth2 = false;
    bool m_offersTop = true;
    bool m_useRetr = false;
    int m_loginReplies = 0;
    int m_count = 0;
    int m_next = 0; // the next message to ask for
    int m_last = 0;
    int m_emit = 0; // the next message to report, so results come in order
    QList<Sent> m_sent;
    /// A message's outcome, parsed and cut down at once: a reply waits here only in its shown size.
    struct Result
    {
        Pop3Error error = Pop3Error::None;
        QString text;
        Pop3Headers headers;
    };
    QHash<int, Result> m_done; // results that arrived before an earlier message's
    QSet<int> m_retried;
    int m_session = 0; // moves on when a session ends, so late timers of that session do nothing
};
