#include <algorithm>
#include <functional>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/Pop3ClientQt.h"

/// Answers a command in its own way and returns true, or returns false to let the mailbox answer as usual.
using Quirk = std::function<bool(const QByteArray&, QTcpSocket*)>;
Q_DECLARE_METATYPE(Quirk)

namespace
{
constexpr int kWaitMs = 20'000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

/// Everything a client reported, as lines: "opened 3", "1: from | subject | date", "failed 2: <code>", ...
struct Recorder
{
    QStringList events;
    QString failure;
    bool done = false;

    void attach(Pop3Client& client, bool list = true)
    {
        QObject::connect(&client, &Pop3Client::opened, &client, [this, &client, list](int count) {
            events << QStringLiteral("opened %1").arg(count);
            if (list)
                client.retrieveHeaders(1, count);
            else
                done = true;
        });
        QObject::connect(&client, &Pop3Client::headersRetrieved, &client, [this](int n, const Pop3Headers& h) {
            events << QStringLiteral("%1: %2 | %3 | %4").arg(n).arg(h.from, h.subject, h.date);
        });
        QObject::connect(&client, &Pop3Client::messageFailed, &client, [this](int n, Pop3Error e, const QString& t) {
            events << QStringLiteral("failed %1: %2").arg(n).arg(int(e));
            failure = t;
        });
        QObject::connect(&client, &Pop3Client::retrieved, &client, [this] {
            events << QStringLiteral("retrieved");
            done = true;
        });
        QObject::connect(&client, &Pop3Client::failed, &client, [this](Pop3Error e, const QString& t) {
            events << QStringLiteral("error %1").arg(int(e));
            failure = t;
            done = true;
        });
    }
};

/// Passes bytes between a client and a server and records what the client sent; `cut()` drops the line.
class Relay final : public QObject
{
public:
    QByteArray fromClient;
    int connections = 0;

    explicit Relay(quint16 target)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this, target] {
            QTcpSocket* inner = m_server.nextPendingConnection();
            auto* outer = new QTcpSocket(inner);
            ++connections;
            m_sockets << inner << outer;
            outer->connectToHost(QHostAddress::LocalHost, target);
            connect(inner, &QTcpSocket::readyRead, outer, [this, inner, outer] {
                const QByteArray bytes = inner->readAll();
                fromClient += bytes;
                outer->write(bytes);
            });
            connect(outer, &QTcpSocket::readyRead, inner, [inner, outer] { inner->write(outer->readAll()); });
            connect(outer, &QTcpSocket::disconnected, inner, &QTcpSocket::disconnectFromHost);
            connect(inner, &QTcpSocket::disconnected, outer, &QTcpSocket::disconnectFromHost);
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    void cut()
    {
        for (QTcpSocket* socket : std::as_const(m_sockets))
            socket->abort();
    }

private:
    QTcpServer m_server;
    QList<QTcpSocket*> m_sockets;
};

/// A server that says what a test scripts: `answer` gets each command line and the socket to write to.
class ScriptedServer final : public QObject
{
public:
    QByteArray greeting = "+OK scripted\r\n";
    std::function<void(const QByteArray&, QTcpSocket*)> answer;
    QList<QByteArray> commands;
    int mostCommandsInOneRead = 0;

    ScriptedServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            socket->write(greeting);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                int inThisRead = 0;
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine().trimmed();
                    commands << line;
                    mostCommandsInOneRead = qMax(mostCommandsInOneRead, ++inThisRead);
                    answer(line, socket);
                }
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    bool received(const QByteArray& prefix) const
    {
        return std::any_of(commands.begin(), commands.end(), [&](const QByteArray& c) { return c.startsWith(prefix); });
    }

private:
    QTcpServer m_server;
};

QByteArray message(int n)
{
    return QByteArray("+OK\r\nFrom: a") + QByteArray::number(n) + "@example.org\r\nSubject: s" + QByteArray::number(n) +
           "\r\n\r\n.\r\n";
}

/// A well-behaved mailbox of `count` messages; `capabilities` are the CAPA lines.
void plainAnswer(const QByteArray& command, QTcpSocket* socket, int count, const QByteArray& capabilities)
{
    if (command == "CAPA")
        socket->write("+OK\r\n" + capabilities + ".\r\n");
    else if (command == "STAT")
        socket->write("+OK " + QByteArray::number(count) + " 100\r\n");
    else if (command.startsWith("TOP "))
        socket->write(message(command.split(' ').value(1).toInt()));
    else if (command.startsWith("RETR ")) // a body the client must read past without keeping it
        socket->write(message(command.split(' ').value(1).toInt()).chopped(3) + QByteArray(50'000, 'b') + "\r\n.\r\n");
    else if (command == "QUIT")
        socket->disconnectFromHost();
    else
        socket->write("+OK\r\n");
}
} // namespace

class tst_Pop3Client final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void threeMessagesComeInServerOrderOverStls();
    void emptyMailboxAndWrongPassword();
    void certificatesAreChecked();
    void implicitTlsOnItsOwnPort();
    void lostConnectionAndCancelEndTheCheck();
    void unreachableServersAndUnsafeInput();
    void hostileServer_data();
    void hostileServer();

private:
    QByteArray script(const QStringList& arguments);
    void fill(int count);
    Pop3ClientQt::Options trusting() const;
    Pop3Account account(const QString& server, const QString& password = QStringLiteral("testpass")) const
    {
        return {server, QStringLiteral("testuser"), password};
    }

    QTemporaryDir m_dir;
    QString m_serverDir;
    quint16 m_port = 0;
    quint16 m_tlsPort = 0;
    bool m_running = false;
};

QByteArray tst_Pop3Client::script(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("POP3_DIR"), m_serverDir);
    env.insert(QStringLiteral("POP3_PORT"), QString::number(m_port));
    env.insert(QStringLiteral("POP3S_PORT"), QString::number(m_tlsPort));
    env.insert(QStringLiteral("POP3_NMSG"), QStringLiteral("3"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("bash"), QStringList{QStringLiteral(POP3_SERVER_SCRIPT)} + arguments);
    process.waitForFinished(60'000);
    const QByteArray output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qWarning("pop3-server.sh %s: %s", qPrintable(arguments.join(u' ')), process.readAllStandardError().constData());
    return process.exitCode() == 0 ? output : QByteArray();
}

void tst_Pop3Client::fill(int count)
{
    QVERIFY(script({QStringLiteral("fill"), QString::number(count)}).contains("FILLED"));
}

Pop3ClientQt::Options tst_Pop3Client::trusting() const
{
    Pop3ClientQt::Options options;
    options.extraCaCertificates = QSslCertificate::fromPath(m_serverDir + QStringLiteral("/cert.pem"));
    options.implicitTlsPort = m_tlsPort;
    return options;
}

void tst_Pop3Client::initTestCase()
{
    // A missing Dovecot fails here: the mail tests never pass by having nothing to test against.
    QVERIFY2(QFile::exists(QStringLiteral("/usr/sbin/dovecot")), "Dovecot is needed: apt-get install dovecot-pop3d");
    QVERIFY(m_dir.isValid());
    // The mail belongs to an unprivileged user when the tests run as root; it must reach its folder.
    QFile::setPermissions(m_dir.path(),
                          QFile::permissions(m_dir.path()) | QFile::ExeGroup | QFile::ExeOther | QFile::ReadGroup |
                              QFile::ReadOther);
    m_serverDir = m_dir.filePath(QStringLiteral("server"));
    QVERIFY(QDir().mkpath(m_serverDir));
    // A certificate for "localhost" only, so that the address 127.0.0.1 is a name it does not match.
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"),
                   QStringLiteral("-x509"),
                   QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"),
                   QStringLiteral("-days"),
                   QStringLiteral("30"),
                   QStringLiteral("-subj"),
                   QStringLiteral("/CN=localhost"),
                   QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=DNS:localhost"),
                   QStringLiteral("-keyout"),
                   m_serverDir + QStringLiteral("/key.pem"),
                   QStringLiteral("-out"),
                   m_serverDir + QStringLiteral("/cert.pem")});
    QVERIFY(openssl.waitForFinished(60'000));
    QCOMPARE(openssl.exitCode(), 0);
    m_port = freePort();
    m_tlsPort = freePort();
    QVERIFY(m_port != m_tlsPort);
    m_running = script({QStringLiteral("start")}).contains("PID=");
    QVERIFY2(m_running, "Dovecot did not start");
}

void tst_Pop3Client::cleanupTestCase()
{
    if (m_running)
        script({QStringLiteral("stop")});
}

void tst_Pop3Client::threeMessagesComeInServerOrderOverStls()
{
    fill(3);
    Relay relay(m_port);
    Pop3ClientQt client(trusting());
    Recorder recorder;
    recorder.attach(client);
    client.open(account(QStringLiteral("localhost:%1").arg(relay.port())));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.done, kWaitMs);
    const QStringList expected{
        QStringLiteral("opened 3"),
        QStringLiteral("1: Sender 1 <sender1@example.org> | Café à la carte 1 | Tue, 14 Nov 2023 22:14:20 -0000"),
        QStringLiteral("2: Sender 2 <sender2@example.org> | A rather long subject line number 2 that is folded across "
                       "two physical lines | Tue, 14 Nov 2023 22:15:20 -0000"),
        QStringLiteral("3: Jürgen Müller <jm3@example.net> | Zwei Wörter 3 | Tue, 14 Nov 2023 22:16:20 -0000"),
        QStringLiteral("retrieved"),
    };
    QCOMPARE(recorder.events, expected);
    // The upgrade happened before the login, and the password never crossed in clear.
    QVERIFY(relay.fromClient.startsWith("CAPA\r\nSTLS\r\n"));
    QVERIFY(!relay.fromClient.contains("testpass"));
    QVERIFY(!relay.fromClient.contains("USER"));
    client.close();
}

void tst_Pop3Client::emptyMailboxAndWrongPassword()
{
    fill(0);
    Pop3ClientQt client(trusting());
    Recorder recorder;
    recorder.attach(client);
    client.open(account(QStringLiteral("localhost:%1").arg(m_port)));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.done, kWaitMs);
    QCOMPARE(recorder.events, QStringList({QStringLiteral("opened 0"), QStringLiteral("retrieved")}));
    QCOMPARE(client.errorCode(), Pop3Error::None);

    Recorder refused;
    Pop3ClientQt wrong(trusting());
    refused.attach(wrong);
    wrong.open(account(QStringLiteral("localhost:%1").arg(m_port), QStringLiteral("not the password")));
    QTRY_VERIFY_WITH_TIMEOUT(refused.done, kWaitMs);
    QCOMPARE(refused.events, QStringList{QStringLiteral("error %1").arg(int(Pop3Error::Server))});
    // Dovecot's own words reach the user.
    QVERIFY2(refused.failure.contains(QStringLiteral("Authentication failed")), qPrintable(refused.failure));
    QCOMPARE(wrong.errorText(), refused.failure);
}

void tst_Pop3Client::certificatesAreChecked()
{
    Relay relay(m_port);
    // The certificate names "localhost", not the address.
    Pop3ClientQt mismatched(trusting());
    Recorder byAddress;
    byAddress.attach(mismatched);
    mismatched.open(account(QStringLiteral("127.0.0.1:%1").arg(relay.port())));
    QTRY_VERIFY_WITH_TIMEOUT(byAddress.done, kWaitMs);
    QCOMPARE(byAddress.events, QStringList{QStringLiteral("error %1").arg(int(Pop3Error::Tls))});
    QVERIFY2(byAddress.failure.contains(QStringLiteral("host name")), qPrintable(byAddress.failure));

    // Without the test's certificate among the trusted ones, the self-signed server is refused as well.
    Pop3ClientQt untrusting;
    Recorder strict;
    strict.attach(untrusting);
    untrusting.open(account(QStringLiteral("localhost:%1").arg(relay.port())));
    QTRY_VERIFY_WITH_TIMEOUT(strict.done, kWaitMs);
    QCOMPARE(strict.events, QStringList{QStringLiteral("error %1").arg(int(Pop3Error::Tls))});
    QVERIFY(!relay.fromClient.contains("USER"));
    QVERIFY(!relay.fromClient.contains("testpass"));
}

void tst_Pop3Client::implicitTlsOnItsOwnPort()
{
    fill(3);
    Relay relay(m_tlsPort);
    Pop3ClientQt::Options options = trusting();
    options.implicitTlsPort = relay.port();
    Pop3ClientQt client(options);
    Recorder recorder;
    recorder.attach(client, false);
    client.open(account(QStringLiteral("localhost:%1").arg(relay.port())));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.done, kWaitMs);
    QCOMPARE(recorder.events, QStringList{QStringLiteral("opened 3")});
    // The first bytes are a TLS handshake record, not a POP3 command.
    QCOMPARE(relay.fromClient.at(0), char(0x16));
    QVERIFY(!relay.fromClient.contains("testpass"));
}

void tst_Pop3Client::lostConnectionAndCancelEndTheCheck()
{
    fill(2000);
    Relay relay(m_port);
    {
        Pop3ClientQt client(trusting());
        Recorder recorder;
        recorder.attach(client);
        connect(&client, &Pop3Client::headersRetrieved, &relay, [&](int n) {
            if (n == 10)
                relay.cut();
        });
        client.open(account(QStringLiteral("localhost:%1").arg(relay.port())));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.done, kWaitMs);
        QCOMPARE(recorder.events.last(), QStringLiteral("error %1").arg(int(Pop3Error::ConnectionLost)));
        QVERIFY(recorder.events.size() < 2000);
    }
    // Closing in the middle: the connection ends and nothing more is reported.
    ScriptedServer server;
    bool disconnected = false;
    server.answer = [&](const QByteArray& command, QTcpSocket* socket) {
        if (command == "CAPA")
            connect(socket, &QTcpSocket::disconnected, this, [&] { disconnected = true; });
        if (command.startsWith("TOP 5 "))
            return; // stalls: the check is still running when it is closed
        plainAnswer(command, socket, 9, "TOP\r\n");
    };
    Pop3ClientQt client;
    Recorder recorder;
    recorder.attach(client);
    client.open(account(QStringLiteral("127.0.0.1:%1").arg(server.port())));
    QTRY_VERIFY_WITH_TIMEOUT(server.received("TOP 5"), kWaitMs);
    client.close();
    QTRY_VERIFY_WITH_TIMEOUT(disconnected, kWaitMs);
    QCOMPARE(recorder.events.size(), 5); // opened and four messages
    QCOMPARE(server.commands.last(), QByteArray("QUIT"));
    QTest::qWait(50);
    QCOMPARE(recorder.events.size(), 5);
}

void tst_Pop3Client::unreachableServersAndUnsafeInput()
{
    struct Case
    {
        QString server;
        QString password;
        Pop3Error error;
    };
    ScriptedServer server;
    server.answer = [](const QByteArray& command, QTcpSocket* socket) { plainAnswer(command, socket, 1, {}); };
    const QList<Case> cases{
        {QStringLiteral("no-such-host.invalid"), QStringLiteral("pw"), Pop3Error::HostNotFound},
        {QStringLiteral("127.0.0.1:%1").arg(freePort()), QStringLiteral("pw"), Pop3Error::ConnectionRefused},
        {QStringLiteral("127.0.0.1:%1").arg(server.port()), QStringLiteral("pw\r\nDELE 1"), Pop3Error::InvalidAccount},
        {QStringLiteral("127.0.0.1:%1").arg(server.port()), QStringLiteral("pw\nX"), Pop3Error::InvalidAccount},
        {QStringLiteral("127.0.0.1:99999"), QStringLiteral("pw"), Pop3Error::InvalidAccount},
    };
    for (const Case& c : cases) {
        Pop3ClientQt client;
        Recorder recorder;
        recorder.attach(client);
        client.open(account(c.server, c.password));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.done, kWaitMs);
        QCOMPARE(recorder.events, QStringList{QStringLiteral("error %1").arg(int(c.error))});
        QVERIFY(!recorder.failure.isEmpty() && !recorder.failure.contains(u'\n'));
    }
    QVERIFY(server.commands.isEmpty());
}

void tst_Pop3Client::hostileServer_data()
{
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArray>("capabilities");
    QTest::addColumn<int>("count");
    QTest::addColumn<Quirk>("quirk");
    QTest::addColumn<QStringList>("events");

    const Quirk none = [](const QByteArray&, QTcpSocket*) { return false; };
    const QString err = QStringLiteral("error %1");
    const QStringList three{QStringLiteral("opened 3"),
                            QStringLiteral("1: a1@example.org | s1 | "),
                            QStringLiteral("2: a2@example.org | s2 | "),
                            QStringLiteral("3: a3@example.org | s3 | "),
                            QStringLiteral("retrieved")};

    QTest::newRow("garbage greeting") << QByteArray("SSH-2.0-OpenSSH\r\n") << QByteArray("TOP\r\n") << 3 << none
                                      << QStringList{err.arg(int(Pop3Error::Protocol))};
    QTest::newRow("-ERR on TOP and RETR of one message")
        << QByteArray("+OK\r\n") << QByteArray("TOP\r\nPIPELINING\r\n") << 3
        << Quirk([](const QByteArray& c, QTcpSocket* s) {
               if (c != "TOP 2 0" && c != "RETR 2")
                   return false;
               s->write("-ERR message 2 is locked\r\n");
               return true;
           })
        << QStringList{
               three[0], three[1], QStringLiteral("failed 2: %1").arg(int(Pop3Error::Server)), three[3], three[4]};
    QTest::newRow("reply cut in the middle")
        << QByteArray("+OK\r\n") << QByteArray("TOP\r\n") << 3 << Quirk([](const QByteArray& c, QTcpSocket* s) {
               if (c != "TOP 2 0")
                   return false;
               s->write("+OK\r\nFrom: a2@exa");
               s->disconnectFromHost();
               return true;
           })
        << QStringList{three[0], three[1], err.arg(int(Pop3Error::ConnectionLost))};
    QTest::newRow("10 MB header line") << QByteArray("+OK\r\n") << QByteArray("TOP\r\nPIPELINING\r\n") << 3
                                       << Quirk([](const QByteArray& c, QTcpSocket* s) {
                                              if (c != "TOP 1 0")
                                                  return false;
                                              s->write("+OK\r\nSubject: " + QByteArray(10 * 1024 * 1024, 'x') +
                                                       "\r\n\r\n.\r\n");
                                              return true;
                                          })
                                       << QStringList{three[0],
                                                      QStringLiteral("failed 1: %1").arg(int(Pop3Error::ReplyTooLong)),
                                                      three[2],
                                                      three[3],
                                                      three[4]};
    QTest::newRow("silent server") << QByteArray() << QByteArray() << 3 << none
                                   << QStringList{err.arg(int(Pop3Error::Timeout))};
    QTest::newRow("count larger than the mailbox")
        << QByteArray("+OK\r\n") << QByteArray("TOP\r\nPIPELINING\r\n") << 4
        << Quirk([](const QByteArray& c, QTcpSocket* s) {
               if (c != "TOP 4 0" && c != "RETR 4")
                   return false;
               s->write("-ERR no such message\r\n");
               return true;
           })
        << QStringList{QStringLiteral("opened 4"),
                       three[1],
                       three[2],
                       three[3],
                       QStringLiteral("failed 4: %1").arg(int(Pop3Error::Server)),
                       three[4]};
    QTest::newRow("count beyond 2^31") << QByteArray("+OK\r\n") << QByteArray("TOP\r\n") << 3
                                       << Quirk([](const QByteArray& c, QTcpSocket* s) {
                                              if (c != "STAT")
                                                  return false;
                                              s->write("+OK 2147483648 100\r\n");
                                              return true;
                                          })
                                       << QStringList{err.arg(int(Pop3Error::Protocol))};
    QTest::newRow("no PIPELINING, one command at a time")
        << QByteArray("+OK\r\n") << QByteArray("TOP\r\n") << 3 << none << three;
    QTest::newRow("TOP refused: RETR read up to the header")
        << QByteArray("+OK\r\n") << QByteArray("TOP\r\nPIPELINING\r\n") << 3
        << Quirk([](const QByteArray& c, QTcpSocket* s) {
               if (!c.startsWith("TOP"))
                   return false;
               s->write("-ERR unknown command\r\n");
               return true;
           })
        << three;
    QTest::newRow("STLS refused after being offered") << QByteArray("+OK\r\n") << QByteArray("STLS\r\nPIPELINING\r\n")
                                                      << 3 << Quirk([](const QByteArray& c, QTcpSocket* s) {
                                                             if (c != "STLS")
                                                                 return false;
                                                             s->write("-ERR TLS not available today\r\n");
                                                             return true;
                                                         })
                                                      << QStringList{err.arg(int(Pop3Error::Tls))};
    QTest::newRow("STLS accepted, then no TLS")
        << QByteArray("+OK\r\n") << QByteArray("STLS\r\n") << 3 << Quirk([](const QByteArray& c, QTcpSocket* s) {
               if (c != "STLS")
                   return false;
               s->write("+OK begin\r\nthis is not a TLS record\r\n");
               return true;
           })
        << QStringList{err.arg(int(Pop3Error::Tls))};
}

void tst_Pop3Client::hostileServer()
{
    QFETCH(QByteArray, greeting);
    QFETCH(QByteArray, capabilities);
    QFETCH(int, count);
    QFETCH(Quirk, quirk);
    QFETCH(QStringList, events);

    ScriptedServer server;
    server.greeting = greeting;
    server.answer = [&](const QByteArray& command, QTcpSocket* socket) {
        if (!quirk(command, socket))
            plainAnswer(command, socket, count, capabilities);
    };
    Pop3ClientQt::Options options;
    options.timeoutMs = 300;
    Pop3ClientQt client(options);
    Recorder recorder;
    recorder.attach(client);
    client.open(account(QStringLiteral("127.0.0.1:%1").arg(server.port())));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.done, kWaitMs);
    QCOMPARE(recorder.events, events);
    QVERIFY(!recorder.failure.contains(u'\n'));
    QVERIFY(!server.received("DELE"));
    if (capabilities.contains("STLS"))
        QVERIFY(!server.received("USER") && !server.received("PASS"));
    if (events == QStringList{QStringLiteral("error %1").arg(int(Pop3Error::Timeout))})
        QVERIFY(recorder.failure.contains(QStringLiteral("did not answer")));
    if (events.size() > 2)
        QCOMPARE(server.mostCommandsInOneRead > 1, capabilities.contains("PIPELINING"));
}

QTEST_GUILESS_MAIN(tst_Pop3Client)
#include "tst_Pop3Client.moc"
