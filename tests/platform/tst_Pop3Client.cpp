#include <functional>

#include <QSslCertificate>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include "TestSupport.h"
#include "platform/qt/Pop3ClientQt.h"

using namespace Qt::StringLiterals;

/// What a scripted server does differently from a well-behaved mailbox: a command, or its first word, mapped to the
/// reply. "greeting" is what the server says first; "server" and "password" replace the account's; "security" is
/// "starttls" (else none: the scripted server speaks no TLS); "timeout" and "limit" set the client's time limits.
using Script = QMap<QByteArray, QByteArray>;

namespace
{
constexpr int kWaitMs = 20'000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString name(Pop3Error error)
{
    return u"None InvalidAccount HostNotFound ConnectionRefused Timeout Tls ConnectionLost ReplyTooLong Protocol "
           u"Server CertificateUntrusted CertificateChanged TokenRefused"_s.split(u' ')[int(error)];
}

/// What a check reported, one entry a signal: "opened 3", "1 <subject>", "2 failed Server", "retrieved", "error Tls".
struct Log
{
    QStringList events;
    QList<Pop3Headers> headers;
    QString text; // the last error text
    bool done = false;

    /// Opens the account, lists every message and returns when the check ends or `done` is set.
    void run(Pop3Client& client, const Pop3Account& account)
    {
        QObject::connect(&client, &Pop3Client::opened, &client, [this, &client](int count) {
            events << u"opened %1"_s.arg(count);
            // Asked for from the event loop, as a window would, so the list runs on its own time-out.
            QTimer::singleShot(0, &client, [&client, count] { client.retrieveHeaders(1, count); });
        });
        QObject::connect(&client, &Pop3Client::headersRetrieved, &client, [this](int n, const Pop3Headers& h) {
            events << u"%1 %2"_s.arg(n).arg(h.subject);
            headers << h;
        });
        QObject::connect(&client, &Pop3Client::messageFailed, &client, [this](int n, Pop3Error e, const QString& t) {
            events << u"%1 failed %2"_s.arg(n).arg(name(e));
            text = t;
        });
        QObject::connect(&client, &Pop3Client::retrieved, &client, [this] {
            events << u"retrieved"_s;
            done = true;
        });
        QObject::connect(&client, &Pop3Client::failed, &client, [this](Pop3Error e, const QString& t) {
            events << u"error "_s + name(e);
            text = t;
            done = true;
        });
        client.open(account);
        if (!QTest::qWaitFor([this] { return done; }, kWaitMs))
            events << u"hang"_s;
    }
};

/// Passes bytes between a client and a server and records what the client sent.
struct Relay
{
    QTcpServer listener;
    QByteArray fromClient;

    explicit Relay(quint16 target)
    {
        listener.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&listener, &QTcpServer::newConnection, &listener, [this, target] {
            QTcpSocket* inner = listener.nextPendingConnection();
            auto* outer = new QTcpSocket(inner);
            outer->connectToHost(QHostAddress::LocalHost, target);
            QObject::connect(inner, &QTcpSocket::readyRead, outer, [this, inner, outer] {
                fromClient += inner->peek(inner->bytesAvailable());
                outer->write(inner->readAll());
            });
            QObject::connect(outer, &QTcpSocket::readyRead, inner, [inner, outer] { inner->write(outer->readAll()); });
        });
    }
};

/// The replies of a well-behaved mailbox of three messages; RETR adds a body the client must read past.
QByteArray mailbox(const QByteArray& command)
{
    const int n = command.split(' ').value(1).toInt();
    const bool top = command.startsWith("TOP "), retr = command.startsWith("RETR ");
    if (command == "greeting")
        return "+OK ready\r\n";
    if (command == "CAPA")
        return "+OK\r\nTOP\r\nPIPELINING\r\nSASL PLAIN XOAUTH2\r\n.\r\n";
    // XOAUTH2 takes only "user=testuser^Aauth=Bearer good-token^A^A"; a refusal is a challenge first, as Gmail's, then
    // -ERR.
    if (command.startsWith("AUTH XOAUTH2 "))
        return command.sliced(13) == "dXNlcj10ZXN0dXNlcgFhdXRoPUJlYXJlciBnb29kLXRva2VuAQE="
                   ? "+OK signed in\r\n"
                   : "+ eyJzdGF0dXMiOiI0MDEifQ==\r\n";
    if (command.isEmpty())
        return "-ERR [AUTH] Invalid credentials\r\n";
    if (command == "STAT")
        return "+OK 3 300\r\n";
    if ((top || retr) && n >= 1 && n <= 3)
        return "+OK\r\nSubject: s" + QByteArray::number(n) + "\r\n\r\n" + QByteArray(retr ? 50'000 : 0, 'b') +
               "\r\n.\r\n";
    return top || retr ? "-ERR no such message\r\n" : "+OK\r\n";
}

/// Listens for TLS connections with the certificate and key in `folder`.
struct TlsListener final : QTcpServer
{
    QString folder;
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(folder + u"/cert.pem"_s);
        socket->setPrivateKey(folder + u"/key.pem"_s);
        socket->startServerEncryption();
        addPendingConnection(socket);
    }
};

/// A POP3 server inside the test that answers as `script` says. A reply ending in "<cut>" closes the connection
/// after it, one ending in "<mute>" is the last answer, an empty one is silence, and "<close>" has the test close the
/// client instead of answering. "<drip>" before a reply sends it a byte every 100 ms, "<delay>" sends the
/// well-behaved reply a second late.
struct ScriptedServer
{
    TlsListener tlsListener;
    QTcpServer plainListener;
    QTcpServer& listener;
    Script script;
    QByteArray received; // every command line as it came
    int mostCommandsInOneRead = 0;
    int connected = 0;
    std::function<void()> closeClient;
    bool mute = false;

    /// With "security" "tls" in the script it speaks TLS from the first byte, with the certificate in `folder`.
    explicit ScriptedServer(const Script& replies, const QString& folder = {})
        : listener(replies.value("security") == "tls" ? static_cast<QTcpServer&>(tlsListener) : plainListener)
        , script(replies)
    {
        tlsListener.folder = folder;
        listener.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&listener, &QTcpServer::newConnection, &listener, [this] {
            QTcpSocket* socket = listener.nextPendingConnection();
            ++connected;
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this] { --connected; });
            answer(socket, "greeting");
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                for (int i = 1; socket->state() == QAbstractSocket::ConnectedState && socket->canReadLine(); ++i) {
                    const QByteArray line = socket->readLine();
                    received += line;
                    mostCommandsInOneRead = qMax(mostCommandsInOneRead, i);
                    answer(socket, line.trimmed());
                }
            });
        });
    }
    void answer(QTcpSocket* socket, const QByteArray& command)
    {
        QByteArray reply = script.value(command, script.value(command.split(' ')[0], mailbox(command)));
        // A token is taken over TLS only.
        if (command.startsWith("AUTH") && !qobject_cast<QSslSocket*>(socket))
            reply = "-ERR not without TLS\r\n";
        if (mute)
            return;
        if (reply == "<close>")
            return closeClient();
        if (reply == "<delay>") {
            QTimer::singleShot(1000, socket, [socket, command] { socket->write(mailbox(command)); });
            return;
        }
        if (reply.startsWith("<drip>")) {
            auto* drip = new QTimer(socket);
            QObject::connect(drip, &QTimer::timeout, socket, [socket, drip, rest = reply.sliced(6)]() mutable {
                socket->write(rest.first(1));
                rest.remove(0, 1);
                if (rest.isEmpty())
                    drip->stop();
            });
            drip->start(100);
            return;
        }
        mute = reply.endsWith("<mute>");
        if (mute)
            reply.chop(6);
        socket->write(reply.endsWith("<cut>") ? reply.chopped(5) : reply);
        if (reply.endsWith("<cut>"))
            socket->disconnectFromHost();
    }
};
} // namespace

class tst_Pop3Client final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_serverDir;
    quint16 m_port = 0;
    quint16 m_tlsPort = 0;
    QList<QSslCertificate> m_ca; // the test's self-signed certificate, for the client to trust

    /// Runs the Dovecot script of the tests on the test's own ports and folder; true when it succeeded.
    bool script(const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its complaints show in the test's output
        process.setEnvironment(QProcess::systemEnvironment()
                               << u"POP3_DIR="_s + m_serverDir << u"POP3_PORT=%1"_s.arg(m_port)
                               << u"POP3S_PORT=%1"_s.arg(m_tlsPort));
        process.start(u"bash"_s, QStringList{QStringLiteral(POP3_SERVER_SCRIPT)} + arguments);
        return process.waitForFinished(60'000) && process.exitCode() == 0;
    }

private Q_SLOTS:
    void cleanupTestCase() { script({u"stop"_s}); }

    void initTestCase()
    {
        // A missing Dovecot fails here: the mail tests never pass by having nothing to test against.
        QVERIFY2(QFile::exists(u"/usr/sbin/dovecot"_s), "Dovecot is needed: apt-get install dovecot-pop3d");
        // The mail belongs to an unprivileged user when the tests run as root; it must reach its folder.
        QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ReadOther);
        m_serverDir = m_dir.filePath(u"server"_s);
        QVERIFY(QDir().mkpath(m_serverDir));
        // A certificate for "localhost" only, so that the address 127.0.0.1 is a name it does not match.
        const QString openssl = u"cd \"$0\" && openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj /CN=localhost "
                                u"-addext subjectAltName=DNS:localhost -keyout key.pem -out cert.pem 2>/dev/null"_s;
        QCOMPARE(QProcess::execute(u"bash"_s, {u"-c"_s, openssl, m_serverDir}), 0);
        m_ca = QSslCertificate::fromPath(m_serverDir + u"/cert.pem"_s);
        m_port = freePort();
        m_tlsPort = freePort();
        QVERIFY2(script({u"start"_s}), "Dovecot did not start");
    }

    void securityAndCertificates_data()
    {
        QTest::addColumn<QString>("server"); // "named" for localhost, else the address
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("security");
        // "ca": the test's certificate as an authority; "env": through SSL_CERT_FILE; "pin": its fingerprint trusted
        // for the account; "other": another one.
        QTest::addColumn<QString>("trust");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("why");
        const int startTls = int(Pop3Security::StartTls), none = int(Pop3Security::None);
        const QString three = u"opened 3, 1 Café à la carte 1, 2 A rather long subject line number 2 that is folded "
                              u"across two physical lines, 3 Zwei Wörter 3, retrieved"_s;
        QTest::newRow("three messages in order over STARTTLS")
            << u"named"_s << u"testpass"_s << startTls << u"ca"_s << three << QString();
        QTest::newRow("three messages in order over TLS from the first byte")
            << u"named"_s << u"testpass"_s << int(Pop3Security::TlsOnConnect) << u"ca"_s << three << QString();
        QTest::newRow("an empty mailbox")
            << u"named"_s << u"testpass"_s << startTls << u"ca"_s << u"opened 0, retrieved"_s << QString();
        QTest::newRow("a wrong password: Dovecot's words") << u"named"_s << u"not the password"_s << startTls << u"ca"_s
                                                           << u"error Server"_s << u"Authentication failed"_s;
        QTest::newRow("an address the certificate is not made out for")
            << u"127.0.0.1"_s << u"testpass"_s << startTls << u"ca"_s << u"error CertificateUntrusted"_s
            << u"it is made out for localhost, not for 127.0.0.1"_s;
        QTest::newRow("a self-signed certificate nobody trusts, described")
            << u"named"_s << u"testpass"_s << startTls << QString() << u"error CertificateUntrusted"_s
            << u"signed only by itself"_s;
        QTest::newRow("the authorities of SSL_CERT_FILE")
            << u"named"_s << u"testpass"_s << startTls << u"env"_s << u"opened 0, retrieved"_s << QString();
        QTest::newRow("the certificate trusted for the account")
            << u"127.0.0.1"_s << u"testpass"_s << startTls << u"pin"_s << u"opened 0, retrieved"_s << QString();
        QTest::newRow("another certificate than the one trusted: refused, both fingerprints named")
            << u"named"_s << u"testpass"_s << startTls << u"other"_s << u"error CertificateChanged"_s << u"00:11"_s;
        QTest::newRow("no security, as chosen: the login in clear")
            << u"named"_s << u"testpass"_s << none << QString() << u"opened 0, retrieved"_s << QString();
    }

    void securityAndCertificates()
    {
        QFETCH(QString, server);
        QFETCH(QString, password);
        QFETCH(int, security);
        QFETCH(QString, trust);
        QFETCH(QString, events);
        QFETCH(QString, why);
        QVERIFY(script({u"fill"_s, events.startsWith(u"opened 3") ? u"3"_s : u"0"_s}));
        Relay relay(security == int(Pop3Security::TlsOnConnect) ? m_tlsPort : m_port);
        const QString fingerprint = Pop3ClientQt::fingerprintOf(m_ca.first());
        const QString other = u"00:11:"_s + fingerprint.sliced(6);
        if (trust == u"env")
            qputenv("SSL_CERT_FILE", QFile::encodeName(m_serverDir + u"/cert.pem"_s));
        const auto unset = qScopeGuard([] { qunsetenv("SSL_CERT_FILE"); });
        Log log;
        Pop3ClientQt client({.extraCaCertificates = trust == u"ca" ? m_ca : QList<QSslCertificate>()});
        log.run(client,
                {(server == u"named" ? u"localhost"_s : server) + u":%1"_s.arg(relay.listener.serverPort()),
                 u"testuser"_s,
                 password,
                 Pop3Security(security),
                 trust == u"pin"     ? fingerprint
                 : trust == u"other" ? other
                                     : QString(),
                 {}});
        QCOMPARE(log.events.join(u", "), events);
        QVERIFY2(log.text.contains(why), qPrintable(log.text));
        if (log.headers.size() == 3) {
            QCOMPARE(log.headers[2].from, u"Jürgen Müller <jm3@example.net>"_s);
            QCOMPARE(log.headers[0].date, u"Tue, 14 Nov 2023 22:14:20 -0000"_s);
        }
        // A refused certificate comes described; a changed one names what was trusted and what came instead.
        if (events.contains(u"Certificate")) {
            QVERIFY(client.certificate());
            QCOMPARE(client.certificate()->fingerprint, fingerprint);
            QCOMPARE(client.certificate()->subject, u"localhost"_s);
            QVERIFY(client.certificate()->validTo > QDateTime::currentDateTime());
            if (trust == u"other")
                QVERIFY(log.text.contains(other) && log.text.contains(fingerprint));
        }
        // The first bytes are STLS before any login, or a TLS handshake record; the password crosses in clear only
        // where the account says so.
        const char* opening[] = {"\x16", "CAPA\r\nSTLS\r\n", "CAPA\r\n"}; // as Pop3Security counts
        QVERIFY2(relay.fromClient.startsWith(opening[security]), relay.fromClient.left(20).constData());
        QCOMPARE(relay.fromClient.contains("PASS"), security == int(Pop3Security::None));
    }

    void faults_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("events");
        const QByteArray stls = "+OK\r\nSTLS\r\nPIPELINING\r\n.\r\n", oneAtATime = "+OK\r\nTOP\r\n.\r\n";

        QTest::newRow("a garbage greeting is not POP3")
            << Script{{"greeting", "SSH-2.0-OpenSSH_9.2\r\n"}} << u"error Protocol"_s;
        QTest::newRow("-ERR for TOP and RETR of message 2 fails only message 2")
            << Script{{"TOP 2 0", "-ERR message 2 is locked\r\n"}, {"RETR 2", "-ERR message 2 is locked\r\n"}}
            << u"opened 3, 1 s1, 2 failed Server, 3 s3, retrieved"_s;
        QTest::newRow("the server gone in the middle of a reply, with message 3 asked for: the connection is lost")
            << Script{{"TOP 2 0", "+OK\r\nFrom: a2@exa<cut>"}} << u"opened 3, 1 s1, error ConnectionLost"_s;
        QTest::newRow("a 10 MB header line and a 1 MB header of short lines fail only their messages")
            << Script{{"TOP 1 0", "+OK\r\nSubject: " + QByteArray(10 * 1024 * 1024, 'x') + "\r\n\r\n.\r\n"},
                      {"TOP 2 0",
                       "+OK\r\n" + QByteArray("X-Filler: " + QByteArray(990, 'y') + "\r\n").repeated(1100) + ".\r\n"},
                      {"timeout", "20000"}}
            << u"opened 3, 1 failed ReplyTooLong, 2 failed ReplyTooLong, 3 s3, retrieved"_s;
        QTest::newRow("a server that stops answering in the list times out")
            << Script{{"TOP", ""}} << u"opened 3, error Timeout"_s;
        QTest::newRow("a count of 4 for three messages fails message 4")
            << Script{{"STAT", "+OK 4 400\r\n"}} << u"opened 4, 1 s1, 2 s2, 3 s3, 4 failed Server, retrieved"_s;
        QTest::newRow("a count beyond 2^31 - 1 is not POP3")
            << Script{{"STAT", "+OK 2147483648 0\r\n"}} << u"error Protocol"_s;
        QTest::newRow("CAPA without PIPELINING: one command at a time")
            << Script{{"CAPA", oneAtATime}} << u"opened 3, 1 s1, 2 s2, 3 s3, retrieved"_s;
        QTest::newRow("TOP refused: RETR read up to the header")
            << Script{{"TOP", "-ERR unknown command\r\n"}} << u"opened 3, 1 s1, 2 s2, 3 s3, retrieved"_s;
        QTest::newRow("a server that says nothing after connecting times out")
            << Script{{"greeting", ""}} << u"error Timeout"_s;
        QTest::newRow("a server that says nothing to the password times out")
            << Script{{"PASS", ""}} << u"error Timeout"_s;
        QTest::newRow("a reply that trickles in a byte at a time still runs out of time")
            << Script{{"STAT", "<drip>+OK 3 300\r\n"}} << u"error Timeout"_s;
        QTest::newRow("every reply in time, but the whole check beyond its limit")
            << Script{{"CAPA", oneAtATime}, {"TOP", "<delay>"}, {"timeout", "2000"}, {"limit", "2500"}}
            << u"opened 3, 1 s1, 2 s2, error Timeout"_s;
        QTest::newRow("RETR of a message larger than any reply: its header all the same")
            << Script{{"TOP", "-ERR unknown command\r\n"},
                      {"RETR 2",
                       "+OK\r\nSubject: s2\r\n\r\n" + QByteArray(1000, 'b').append("\r\n").repeated(70'000) + ".\r\n"},
                      {"timeout", "20000"}}
            << u"opened 3, 1 s1, 2 s2, 3 s3, retrieved"_s;
        QTest::newRow("STARTTLS required, not offered: no login at all")
            << Script{{"security", "starttls"}, {"CAPA", oneAtATime}} << u"error Tls"_s;
        QTest::newRow("STARTTLS required, CAPA refused: no login at all")
            << Script{{"security", "starttls"}, {"CAPA", "-ERR what\r\n"}} << u"error Tls"_s;
        QTest::newRow("STARTTLS required, STLS beyond the lines a CAPA may have: no login at all")
            << Script{{"security", "starttls"},
                      {"CAPA", "+OK\r\n" + QByteArray("X-PAD\r\n").repeated(2000) + stls.sliced(5)}}
            << u"error Tls"_s;
        QTest::newRow("STLS offered, then refused: no login in clear")
            << Script{{"security", "starttls"}, {"CAPA", stls}, {"STLS", "-ERR not today\r\n"}} << u"error Tls"_s;
        QTest::newRow("STLS accepted, then clear text: no login in clear")
            << Script{{"security", "starttls"}, {"CAPA", stls}, {"STLS", "+OK begin\r\nthis is not a TLS record\r\n"}}
            << u"error Tls"_s;
        QTest::newRow("STLS accepted, then part of a line in clear: never read after the handshake")
            << Script{{"security", "starttls"}, {"CAPA", stls}, {"STLS", "+OK begin\r\n+OK 1 1<mute>"}}
            << u"error Tls"_s;
        QTest::newRow("STLS accepted, then silence in the handshake times out")
            << Script{{"security", "starttls"}, {"CAPA", stls}, {"STLS", "+OK begin\r\n<mute>"}} << u"error Timeout"_s;
        QTest::newRow("closed by the user while message 3 is asked for: QUIT, nothing more reported")
            << Script{{"CAPA", oneAtATime}, {"TOP 3 0", "<close>"}} << u"opened 3, 1 s1, 2 s2"_s;
        QTest::newRow("XOAUTH2 over TLS with the desktop's token: signed in, no password sent")
            << Script{{"security", "tls"}, {"token", "good-token"}} << u"opened 3, 1 s1, 2 s2, 3 s3, retrieved"_s;
        QTest::newRow("XOAUTH2 with a stale token: the challenge answered, the refusal told apart")
            << Script{{"security", "tls"}, {"token", "stale-token"}} << u"error TokenRefused"_s;
        QTest::newRow("XOAUTH2 not offered: tried all the same, the server's refusal reported")
            << Script{{"security", "tls"}, {"token", "good-token"}, {"CAPA", oneAtATime}, {"AUTH", "-ERR what\r\n"}}
            << u"error Server"_s;
        QTest::newRow("a token is never sent without TLS")
            << Script{{"token", "good-token"}} << u"error InvalidAccount"_s;
        QTest::newRow("a password holding CR LF is refused before anything is sent")
            << Script{{"password", "pw\r\nDELE 1"}} << u"error InvalidAccount"_s;
        QTest::newRow("an unknown host") << Script{{"server", "no-such-host.invalid"}} << u"error HostNotFound"_s;
        QTest::newRow("nobody listening")
            << Script{{"server", "127.0.0.1:" + QByteArray::number(freePort())}} << u"error ConnectionRefused"_s;
    }

    void faults()
    {
        QFETCH(Script, script);
        QFETCH(QString, events);
        ScriptedServer server(script, m_serverDir);
        Log log;
        const bool tls = script.value("security") == "tls";
        Pop3ClientQt client({.timeoutMs = script.value("timeout", tls ? "5000" : "300").toInt(),
                             .sessionLimitMs = script.value("limit", "600000").toInt(),
                             .extraCaCertificates = tls ? m_ca : QList<QSslCertificate>()});
        server.closeClient = [&] {
            client.close();
            log.done = true;
        };
        const bool startTls = script.value("security") == "starttls";
        const QByteArray token = script.value("token");
        log.run(client,
                {QString::fromLatin1(script.value(
                     "server", (tls ? "localhost:" : "127.0.0.1:") + QByteArray::number(server.listener.serverPort()))),
                 u"testuser"_s,
                 QString::fromLatin1(script.value("password", "testpass")),
                 tls        ? Pop3Security::TlsOnConnect
                 : startTls ? Pop3Security::StartTls
                            : Pop3Security::None,
                 {},
                 QString::fromLatin1(token)});
        // Whatever happened, closing leaves no connection open, and a check that did not fail says QUIT.
        client.close();
        QTRY_COMPARE_WITH_TIMEOUT(server.connected, 0, kWaitMs);
        QCOMPARE(log.events.join(u", "), events);
        if (!events.contains(u"error"))
            QVERIFY(server.received.endsWith("QUIT\r\n"));
        // A failure comes with one line of text; the client never deletes and logs in only where it may.
        const bool failed = events.contains(u"error") || events.contains(u"failed");
        QVERIFY2(log.text.isEmpty() != failed && !log.text.contains(u'\n'), qPrintable(log.text));
        QVERIFY(!server.received.contains("DELE"));
        if (startTls || !token.isEmpty())
            QVERIFY(!server.received.contains("USER"));
        // Neither the password nor a token goes along with an online account, nor into what is reported.
        QVERIFY(token.isEmpty() || !server.received.contains("PASS"));
        QVERIFY(token.isEmpty() || !log.text.contains(QString::fromLatin1(token)));
        if (log.events.size() > 2)
            QCOMPARE(server.mostCommandsInOneRead > 1, script.value("CAPA", mailbox("CAPA")).contains("PIPELINING"));
    }
};

QTEST_GUILESS_MAIN(tst_Pop3Client)
#include "tst_Pop3Client.moc"
