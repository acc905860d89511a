#include <cstdio>
#include <memory>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include "PrivateBus.h"
#include "TestSupport.h"
#include "app/RealPlatform.h"
#include "platform/qt/KeyringOnDemand.h"

namespace
{
const QString kModule = RealPlatform::modulePath(QStringLiteral(STAGE_DIR), "zendra98keyring");
const QString kAnn = u"ann@pop.example"_s;
const QString kBob = u"bob@pop.example"_s;

/// Makes one request and waits for its answer, which must come from the event loop and only once; reads
/// "<status> <password> (<message>)" without the empty parts.
QString ask(const std::function<void(Keyring::Callback)>& request)
{
    auto answers = std::make_shared<QList<KeyringAnswer>>();
    request([answers](const KeyringAnswer& answer) { *answers << answer; });
    if (!answers->isEmpty())
        return u"answered from within the call"_s;
    if (!QTest::qWaitFor([answers] { return !answers->isEmpty(); }, 20'000))
        return u"no answer"_s;
    QTest::qWait(50);
    if (answers->size() != 1)
        return u"%1 answers"_s.arg(answers->size());
    const KeyringAnswer& answer = answers->first();
    QStringList parts{u"Ok NotFound Unavailable Refused Error"_s.split(u' ').value(answer.status), answer.password};
    if (!answer.message.isEmpty())
        parts << u'(' + answer.message + u')';
    parts.removeAll(QString());
    return parts.join(u' ');
}

/// The test run as a child in an environment of the parent's choosing: prints what a read and an availability
/// check on the module `argv[2]` answered.
int probe(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    KeyringOnDemand keyring(QString::fromLocal8Bit(argv[2]));
    const QString read = ask([&](auto done) { keyring.read(kAnn, done); }).section(u' ', 0, 0);
    const QString check = ask([&](auto done) { keyring.checkAvailable(done); }).section(u' ', 0, 0);
    std::fputs((read + u' ' + check).toLocal8Bit().constData(), stdout);
    return 0;
}
} // namespace

class tst_Keyring final : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    QProcess m_gnomeKeyring;

private Q_SLOTS:
    // A GNOME Keyring unlocked with the test's own password on the test's own bus, with its files and the
    // settings folder in the bus's temporary folder: the user's keyring is never reached.
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(!m_bus->address().isEmpty(), "dbus-daemon (Debian package dbus-daemon) did not start");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
        for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
            QVERIFY(QDir(m_bus->folder()).mkdir(QString::fromLatin1(variable)));
            qputenv(variable, QFile::encodeName(m_bus->folder() + u'/' + QString::fromLatin1(variable)));
        }
        m_gnomeKeyring.start(u"gnome-keyring-daemon"_s, {u"--foreground"_s, u"--unlock"_s, u"--components=secrets"_s});
        QVERIFY2(m_gnomeKeyring.waitForStarted(), "gnome-keyring-daemon (Debian package gnome-keyring) is missing");
        m_gnomeKeyring.write("keyring-test-password");
        m_gnomeKeyring.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered(u"org.freedesktop.secrets"_s), 10'000);
    }

    void cleanupTestCase()
    {
        m_gnomeKeyring.terminate();
        m_gnomeKeyring.waitForFinished(3'000);
    }

    void passwordsRoundTripAndALockedKeyringRefuses()
    {
        KeyringOnDemand keyring(kModule);
        QCOMPARE(ask([&](auto done) { keyring.checkAvailable(done); }), u"Ok (GNOME Keyring)"_s);
        QCOMPARE(ask([&](auto done) { keyring.read(kAnn, done); }), u"NotFound"_s);
        QCOMPARE(ask([&](auto done) { keyring.write(kAnn, u"first"_s, done); }), u"Ok"_s);
        QCOMPARE(ask([&](auto done) { keyring.write(kBob, u"bob's"_s, done); }), u"Ok"_s);
        QCOMPARE(ask([&](auto done) { keyring.write(kAnn, u"pässwörd ✓"_s, done); }), u"Ok"_s);
        QCOMPARE(ask([&](auto done) { keyring.read(kAnn, done); }), u"Ok pässwörd ✓"_s);

        // Another Secret Service client finds it under the program's name: it is in the keyring, not beside it.
        QProcess lookup;
        lookup.start(u"secret-tool"_s, {u"lookup"_s, u"server"_s, u"Zendra 98"_s, u"user"_s, kAnn});
        QVERIFY2(lookup.waitForFinished(), "secret-tool (Debian package libsecret-tools) is missing");
        QCOMPARE(QString::fromUtf8(lookup.readAllStandardOutput()), u"pässwörd ✓"_s);
        QVERIFY2(QDir(m_bus->folder() + u"/XDG_CONFIG_HOME"_s).isEmpty(), "a settings file was written");

        QCOMPARE(ask([&](auto done) { keyring.remove(kAnn, done); }), u"Ok"_s);
        QCOMPARE(ask([&](auto done) { keyring.read(kAnn, done); }), u"NotFound"_s);
        QCOMPARE(ask([&](auto done) { keyring.remove(kAnn, done); }), u"Ok"_s);
        QCOMPARE(ask([&](auto done) { keyring.read(kBob, done); }), u"Ok bob's"_s);

        // Locked last: nobody is there to type the password that would unlock it again.
        auto lock = QDBusMessage::createMethodCall(u"org.freedesktop.secrets"_s,
                                                   u"/org/freedesktop/secrets"_s,
                                                   u"org.freedesktop.Secret.Service"_s,
                                                   u"Lock"_s);
        lock << QVariant::fromValue(QList{QDBusObjectPath(u"/org/freedesktop/secrets/collection/login"_s)});
        QCOMPARE(QDBusConnection::sessionBus().call(lock).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(ask([&](auto done) { keyring.read(kBob, done); }), u"Refused (The keyring is locked.)"_s);
        QCOMPARE(ask([&](auto done) { keyring.remove(kBob, done); }), u"Refused (The keyring is locked.)"_s);
        QVERIFY(ask([&](auto done) { keyring.write(kAnn, u"new"_s, done); }).startsWith(u"Refused ("_s));
    }

    void withoutAKeyringTheAnswerIsUnavailableSoon_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("module");
        QTest::newRow("no session bus") << u"unix:path=%1/no-bus"_s.arg(m_bus->folder()) << kModule;
        QTest::newRow("a session bus with no keyring on it") << QString() << kModule;
        QTest::newRow("the keyring module missing") << m_bus->address() << m_bus->folder() + u"/zendra98keyring"_s;
    }

    void withoutAKeyringTheAnswerIsUnavailableSoon()
    {
        QFETCH(QString, address);
        QFETCH(QString, module);
        const PrivateBus emptyBus;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, address.isEmpty() ? emptyBus.address() : address);
        environment.remove(u"DISPLAY"_s); // nor a bus started for the X display

        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {u"--probe"_s, module});
        QVERIFY(child.waitForFinished(45'000));
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()), u"Unavailable Unavailable"_s);
        QCOMPARE(child.exitCode(), 0); // nor a crash or, under the sanitizers, a leak
        QCOMPARE_LT(clock.elapsed(), 5'000);
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    QCoreApplication app(argc, argv);
    tst_Keyring test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Keyring.moc"
