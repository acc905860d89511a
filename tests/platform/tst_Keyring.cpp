#include <cstdio>
#include <memory>
#include <optional>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "PrivateBus.h"
#include "platform/qt/KeyringOnDemand.h"

using namespace Qt::StringLiterals;

namespace
{
const QString kModule = QStringLiteral(STAGE_DIR "/zendra98keyring");
const QString kAnn = u"ann@pop.example"_s;
const QString kBob = u"bob@pop.example"_s;

QString statusName(KeyringAnswer::Status status)
{
    return u"Ok NotFound Unavailable Refused Error"_s.split(u' ').value(status);
}

/// Makes one request and waits for its answer, which must come from the event loop and only once.
KeyringAnswer ask(const std::function<void(Keyring::Callback)>& request)
{
    auto answers = std::make_shared<QList<KeyringAnswer>>();
    request([answers](const KeyringAnswer& answer) { *answers << answer; });
    if (!answers->isEmpty())
        return {KeyringAnswer::Error, {}, u"answered from within the call"_s};
    if (!QTest::qWaitFor([answers] { return !answers->isEmpty(); }, 20'000))
        return {KeyringAnswer::Error, {}, u"no answer"_s};
    QTest::qWait(50);
    if (answers->size() != 1)
        return {KeyringAnswer::Error, {}, u"%1 answers"_s.arg(answers->size())};
    return answers->first();
}

/// `status password` of a read, or `status` of another request.
QString result(const KeyringAnswer& answer)
{
    return answer.password.isEmpty() ? statusName(answer.status) : statusName(answer.status) + u' ' + answer.password;
}

/// The test run as a child, with its own environment: a read and an availability check on the module `argv[2]`,
/// their statuses printed.
int probe(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    KeyringOnDemand keyring(QString::fromLocal8Bit(argv[2]));
    QStringList statuses;
    const auto record = [&](const KeyringAnswer& answer) {
        statuses << statusName(answer.status);
        if (statuses.size() == 2)
            app.quit();
    };
    keyring.read(kAnn, record);
    keyring.checkAvailable(record);
    QTimer::singleShot(30'000, &app, &QCoreApplication::quit);
    app.exec();
    std::fputs(statuses.join(u' ').toLocal8Bit().constData(), stdout);
    return 0;
}
} // namespace

class tst_Keyring final : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    QProcess m_gnomeKeyring;
    QString m_config;

private Q_SLOTS:
    // A GNOME Keyring unlocked with a password of the test's, on a bus of its own, keeping its files and reading
    // its settings in the bus's temporary folder: the user's own keyring is never reached.
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(!m_bus->address().isEmpty(), "dbus-daemon (Debian package dbus-daemon) did not start");
        const QDir folder(m_bus->folder());
        for (const char* name : {"home", "data", "config", "runtime"})
            QVERIFY(folder.mkdir(QString::fromLatin1(name)));
        QFile::setPermissions(folder.filePath(u"runtime"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_config = folder.filePath(u"config"_s);
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
        qputenv("HOME", QFile::encodeName(folder.filePath(u"home"_s)));
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(u"data"_s)));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.filePath(u"runtime"_s)));

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

    void passwordsRoundTripThroughTheKeyring()
    {
        KeyringOnDemand keyring(kModule);
        const KeyringAnswer available = ask([&](auto done) { keyring.checkAvailable(done); });
        QCOMPARE(result(available), u"Ok"_s);
        QCOMPARE(available.message, u"GNOME Keyring"_s);

        QCOMPARE(result(ask([&](auto done) { keyring.read(kAnn, done); })), u"NotFound"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.write(kAnn, u"first"_s, done); })), u"Ok"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.write(kBob, u"bob's"_s, done); })), u"Ok"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.write(kAnn, u"pässwörd ✓"_s, done); })), u"Ok"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.read(kAnn, done); })), u"Ok pässwörd ✓"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.read(kBob, done); })), u"Ok bob's"_s);

        // Another Secret Service client finds it under the program's name: it is in the keyring, not beside it.
        QProcess lookup;
        lookup.start(u"secret-tool"_s, {u"lookup"_s, u"server"_s, u"Zendra 98"_s, u"user"_s, kAnn});
        QVERIFY2(lookup.waitForFinished(), "secret-tool (Debian package libsecret-tools) is missing");
        QCOMPARE(QString::fromUtf8(lookup.readAllStandardOutput()), u"pässwörd ✓"_s);

        QCOMPARE(result(ask([&](auto done) { keyring.remove(kAnn, done); })), u"Ok"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.read(kAnn, done); })), u"NotFound"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.remove(kAnn, done); })), u"Ok"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.read(kBob, done); })), u"Ok bob's"_s);
        QVERIFY2(QDir(m_config).isEmpty(), "a settings file was written beside the keyring");
    }

    // Locked last: nobody is there to type the password that would unlock it again.
    void aLockedKeyringRefuses()
    {
        auto lock = QDBusMessage::createMethodCall(u"org.freedesktop.secrets"_s,
                                                   u"/org/freedesktop/secrets"_s,
                                                   u"org.freedesktop.Secret.Service"_s,
                                                   u"Lock"_s);
        lock << QVariant::fromValue(
            QList<QDBusObjectPath>{QDBusObjectPath(u"/org/freedesktop/secrets/collection/login"_s)});
        QCOMPARE(QDBusConnection::sessionBus().call(lock).type(), QDBusMessage::ReplyMessage);

        KeyringOnDemand keyring(kModule);
        QCOMPARE(result(ask([&](auto done) { keyring.read(kBob, done); })), u"Refused"_s);
        QCOMPARE(result(ask([&](auto done) { keyring.write(kAnn, u"new"_s, done); })), u"Refused"_s);
        const KeyringAnswer removed = ask([&](auto done) { keyring.remove(kBob, done); });
        QCOMPARE(result(removed), u"Refused"_s);
        QVERIFY(removed.message.contains(u"locked"_s));
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
        environment.remove(u"DISPLAY"_s); // no bus started for an X display either

        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {u"--probe"_s, module});
        QVERIFY(child.waitForFinished(20'000));
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()), u"Unavailable Unavailable"_s);
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
