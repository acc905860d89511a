// The mail checks against a real Dovecot on a free loopback port, through the program's own POP3 client.
#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include "MailFixture.h"
#include "email/MailIndicator.h"
#include "platform/qt/Pop3ClientQt.h"

using namespace Qt::StringLiterals;

class tst_MailServer final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { server({u"stop"_s}); }
    void threeMessagesInServerOrder();
    void wrongPasswordThenAlert();
    void emptyMailboxInBothChecks();

private:
    bool server(const QStringList& arguments);
    /// A board checking the test server's mailbox with `password`, every five minutes, with an alert sound.
    std::unique_ptr<MailBoard> board(const QString& password);

    QTemporaryDir m_dir;
    quint16 m_port = 0;
};

bool tst_MailServer::server(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Plain POP3 on loopback: the program trusts only the system's certificates, not the test's own.
    process.setEnvironment(QProcess::systemEnvironment() << u"POP3_DIR="_s + m_dir.filePath(u"server"_s)
                                                         << u"POP3_PORT=%1"_s.arg(m_port) << u"POP3_SSL=no"_s);
    process.start(u"bash"_s, QStringList{QStringLiteral(POP3_SERVER_SCRIPT)} + arguments);
    return process.waitForFinished(60'000) && process.exitCode() == 0;
}

void tst_MailServer::initTestCase()
{
    QVERIFY2(QFile::exists(u"/usr/sbin/dovecot"_s), "Dovecot is needed: apt-get install dovecot-pop3d");
    QVERIFY(m_dir.isValid());
    // The mail belongs to an unprivileged user when the tests run as root; it must reach its folder.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ReadOther);
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_port = probe.serverPort();
    probe.close();
    QVERIFY2(server({u"start"_s}), "Dovecot did not start");
}

std::unique_ptr<MailBoard> tst_MailServer::board(const QString& password)
{
    auto mail = std::make_unique<MailBoard>(
        emailFile(1, 300000, password, u"/s/ding.wav"_s, u"127.0.0.1:%1"_s.arg(m_port), u"testuser"_s));
    mail->fakes.pop3.real = [] { return std::make_unique<Pop3ClientQt>(); };
    return mail;
}

void tst_MailServer::threeMessagesInServerOrder()
{
    QVERIFY(server({u"fill"_s, u"3"_s}));
    const auto mail = board(u"testpass"_s);
    mail->action("mnccheckemail")->trigger();
    QVERIFY(mail->checkEnds());
    QVERIFY(mail->fakes.dialogs.messages.isEmpty());
    QCOMPARE(mail->list()->list().rowCount(), 4);
    QCOMPARE(mail->list()->list().text(1, 1), u"Café à la carte 1"_s);
    QCOMPARE(mail->list()->list().text(2, 1),
             u"A rather long subject line number 2 that is folded across two physical lines"_s);
    QCOMPARE(mail->row(3), u"Jürgen Müller <jm3@example.net>|Zwei Wörter 3|Tue, 14 Nov 2023 22:16:20 -0000"_s);
    QCOMPARE(mail->list()->frameCaption(), u"Email Messages - 3 message(s) waiting"_s);
    QVERIFY(mail->mail().indicator().isShown());
    QCOMPARE(mail->fakes.sound.played.size(), 1);
}

void tst_MailServer::wrongPasswordThenAlert()
{
    const auto mail = board(u"not the password"_s);
    mail->action("mnccheckemail")->trigger();
    QVERIFY(mail->checkEnds());
    QCOMPARE(mail->fakes.dialogs.messages.size(), 1);
    QCOMPARE(mail->fakes.dialogs.messages[0].title, u"Error during Connect"_s);
    QVERIFY2(mail->fakes.dialogs.messages[0].text.contains(u"Authentication failed"_s),
             qPrintable(mail->fakes.dialogs.messages[0].text));
    QCOMPARE(mail->fakes.sound.played.size(), 1);
    QVERIFY(!mail->mail().indicator().isShown());
}

void tst_MailServer::emptyMailboxInBothChecks()
{
    QVERIFY(server({u"fill"_s, u"0"_s}));
    const auto mail = board(u"testpass"_s);
    mail->button("Command1")->click();
    QVERIFY(mail->checkEnds());
    QVERIFY(mail->fakes.dialogs.messages.isEmpty());
    mail->action("mnccheckemail")->trigger();
    QVERIFY(mail->checkEnds());
    QCOMPARE(mail->fakes.dialogs.messages.size(), 1);
    QCOMPARE(mail->fakes.dialogs.messages[0].text, u"You have no new messages."_s);
    QVERIFY(mail->fakes.sound.played.isEmpty());
}

QTEST_MAIN(tst_MailServer)
#include "tst_MailServer.moc"
