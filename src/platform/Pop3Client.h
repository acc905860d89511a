#pragma once

#include <memory>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

/// How the connection to the mailbox is secured. The password crosses the network in clear only with `None`, which
/// the person chooses for the account knowingly.
enum class Pop3Security
{
    TlsOnConnect = 0, // TLS from the first byte (RFC 8314), port 995 unless the server field names another
    StartTls = 1,     // STLS is required before the login (RFC 2595), port 110 unless named
    None = 2,         // no encryption at all: the user name, password and mail are readable on the way
};

/// What a mail check needs to reach a mailbox. `server` is "host" or "host:port"; an IPv6 address is written in
/// brackets, "[::1]:995".
struct Pop3Account
{
    QString server;
    QString user;
    QString password;
    Pop3Security security = Pop3Security::StartTls;
    /// The SHA-256 fingerprint (as `Pop3Certificate::fingerprint` writes it) of a certificate the person chose to
    /// trust for this account although the system does not; empty when there is none.
    QString trustedCertificate;
    /// An OAuth2 access token from the desktop's online accounts: when given, the login is SASL XOAUTH2 with it
    /// instead of the password, and only over a secure connection.
    QString accessToken;
};

/// A server certificate the system does not trust, described for the person who may choose to trust it.
struct Pop3Certificate
{
    QString subject;
    QString issuer;
    QDateTime validFrom;
    QDateTime validTo;
    /// The SHA-256 fingerprint as upper-case hex pairs joined by colons: "AB:01:...".
    QString fingerprint;
    /// Why it is not trusted, in plain words: "it is signed only by itself", "it expired on ...".
    QStringList problems;
};

/// The three header fields the mail list shows, decoded to text. A field the message lacks is empty; the Date
/// stays exactly as the server sent it.
struct Pop3Headers
{
    QString from;
    QString subject;
    QString date;
};

/// Why an operation failed. `None` (0) is success, as the mail check reads an error code of 0.
enum class Pop3Error
{
    None = 0,
    InvalidAccount,       // no server, or CR/LF in the user name or password: nothing was sent
    HostNotFound,         // the name does not resolve
    ConnectionRefused,    // nobody listens there
    Timeout,              // the server stayed silent for the whole time-out
    Tls,                  // the secure connection could not be set up or its certificate is not trusted
    ConnectionLost,       // the connection closed in the middle of the session
    ReplyTooLong,         // a line or a header beyond the limits below
    Protocol,             // the server's answer is not POP3
    Server,               // the server answered -ERR; the text is the server's own
    CertificateUntrusted, // the system does not trust the server's certificate; `certificate()` describes it
    CertificateChanged,   // the server offered another certificate than the one trusted for the account
    TokenRefused,         // the server offers XOAUTH2 but refused the access token; a fresh one may pass
};

/// The mailbox side of a mail check, asynchronous: every call returns at once and the outcome arrives as a signal
/// from the event loop of the thread the client lives in. It never blocks that thread.
///
/// A check runs: `open()` → `opened(count)` or `failed()`; then `retrieveHeaders(1, count)` → one
/// `headersRetrieved(n, ...)` or `messageFailed(n, ...)` for every n in increasing order → `retrieved()`; then
/// `close()`. A `failed()` at any point ends the session: the connection is closed and no other signal follows.
/// `close()` sends QUIT when it can, closes the connection and ends every pending operation without a signal,
/// so a window that goes away mid-check simply closes its client.
///
/// The client only reads: it never asks the server to delete or change anything.
///
/// The count is a full 32-bit number, correct up to 2^31 - 1 messages. The mail windows show it as it stands
/// (40000 messages are "Email Messages - 40000 message(s) waiting") instead of wrapping at 32767 as a 16-bit
/// number would, and they list every message up to that count.
class Pop3Client : public QObject
{
    Q_OBJECT

public:
    /// Limits beyond which a server's reply is refused as too long, so that memory stays bounded.
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;
    static constexpr qsizetype kMaxHeaderBytes = 1024 * 1024;
    /// How long one reply may take, from the moment it is due; bytes that trickle in do not extend it.
    static constexpr int kDefaultTimeoutMs = 60'000;
    /// How long one check may take in all, plus a little for each message it lists.
    static constexpr int kSessionLimitMs = 10 * 60'000;
    static constexpr int kSessionMsPerMessage = 10;

    using QObject::QObject;
    ~Pop3Client() override = default;

    /// Connects, secures the connection when it can, logs in and reads the message count.
    virtual void open(const Pop3Account& account) = 0;
    /// Valid after `opened`.
    virtual int messageCount() const = 0;
    /// Fetches the headers of the messages `first` to `last` (1-based, inclusive) after `opened`.
    virtual void retrieveHeaders(int first, int last) = 0;
    /// Ends the session; no further signal arrives.
    virtual void close() = 0;
    /// While paused nothing more is read from the server (answers read already may still be reported); the time a
    /// reply may take starts again on resuming. A caller that cannot keep up with the answers pauses the client.
    virtual void setPaused(bool paused) = 0;

    /// The outcome of the last operation: of `open`, of the session, or of the last message reported.
    Pop3Error errorCode() const { return m_errorCode; }
    QString errorText() const { return m_errorText; }
    /// After `CertificateUntrusted` or `CertificateChanged`: the certificate the server offered.
    const std::optional<Pop3Certificate>& certificate() const { return m_certificate; }

Q_SIGNALS:
    void opened(int messageCount);
    void headersRetrieved(int number, const Pop3Headers& headers);
    /// One message could not be read; the others still come.
    void messageFailed(int number, Pop3Error error, const QString& text);
    void retrieved();
    /// The session is over; the connection is closed.
    void failed(Pop3Error error, const QString& text);

protected:
    void setError(Pop3Error code, const QString& text)
    {
        m_errorCode = code;
        m_errorText = text;
    }
    void setCertificate(std::optional<Pop3Certificate> certificate) { m_certificate = std::move(certificate); }

private:
    Pop3Error m_errorCode = Pop3Error::None;
    QString m_errorText;
    std::optional<Pop3Certificate> m_certificate;
};

/// Makes the client of each mail check: the real one, or a test's scripted mailbox.
class Pop3Factory
{
public:
    virtual ~Pop3Factory() = default;
    virtual std::unique_ptr<Pop3Client> create() = 0;
};
