#include <sys/stat.h>

#include <QAudioDevice>
#include <QDBusConnection>
#include <QMediaDevices>

#include "PrivateBus.h"
#include "TestSupport.h"
#include "TestWave.h"
#include "app/RealPlatform.h"
#include "platform/qt/DialogsQt.h"
#include "platform/qt/InstanceGuardQt.h"
#include "platform/qt/NotifierDBus.h"
#include "platform/qt/Pop3OnDemand.h"
#include "platform/qt/SettingsStoreQt.h"
#include "platform/qt/SoundOnDemand.h"
#include "platform/qt/SoundQt.h"
#include "platform/qt/VolumeOnDemand.h"

/// Stands in for the desktop's notification service and records what each Notify carried.
class NotificationService final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received;

public Q_SLOTS:
    uint Notify(const QString& app,
                uint replaces,
                const QString& icon,
                const QString& summary,
                const QString& body,
                const QStringList& actions,
                const QVariantMap& hints,
                int timeout)
    {
        received << u"%1|%2|%3|%4|%5|%6|%7|%8"_s.arg(app)
                        .arg(replaces)
                        .arg(icon, summary, body)
                        .arg(actions.size())
                        .arg(hints.size())
                        .arg(timeout);
        return 7;
    }
};

class tst_PlatformQt final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    PrivateBus m_bus;
    QProcess m_soundServer;
    QProcess m_silence;

private Q_SLOTS:
    void initTestCase()
    {
        // A session bus of the test's own, before the process's first use of one, which the notifier reaches for.
        QVERIFY2(!m_bus.address().isEmpty(), "dbus-daemon (Debian package dbus-daemon) did not start");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
        // A sound server of the test's own whose null sink plays in real time into nothing; the second run of this
        // test (ZENDRA_TEST_SOUND=none) has none.
        if (qEnvironmentVariable("ZENDRA_TEST_SOUND") == u"none")
            return;
        const QString socket = m_dir.filePath(u"pulse-socket"_s);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, m_dir.path());
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_dir.path());
        m_soundServer.setProcessEnvironment(environment);
        m_soundServer.start(u"pulseaudio"_s,
                            QStringLiteral("-n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-level=error "
                                           "-Lmodule-null-sink")
                                    .split(u' ')
                                << u"-Lmodule-native-protocol-unix auth-anonymous=1 socket="_s + socket);
        QVERIFY2(m_soundServer.waitForStarted(), "pulseaudio is missing: run scripts/install-deps.sh");
        QTRY_VERIFY(QFile::exists(socket));
        qputenv("PULSE_SERVER", QFile::encodeName(u"unix:"_s + socket));
        // An idle null sink renders seconds ahead and a new stream waits behind them; a steady low-latency stream
        // of silence keeps it at a sound card's pace.
        m_silence.setStandardInputFile(u"/dev/zero"_s);
        m_silence.start(u"pacat"_s, {u"--raw"_s, u"--latency-msec=20"_s});
        const auto sinkKeepsPace = [] {
            QProcess pactl;
            pactl.start(u"pactl"_s, {u"list"_s, u"sinks"_s});
            pactl.waitForFinished();
            const QByteArray out = pactl.readAllStandardOutput();
            const qsizetype at = out.indexOf("\tLatency: ") + 10;
            return at >= 10 && out.mid(at, out.indexOf(' ', at) - at).toLongLong() < 50000;
        };
        QTRY_VERIFY_WITH_TIMEOUT(sinkKeepsPace(), 10000);
    }

    void cleanupTestCase()
    {
        for (QProcess* process : {&m_silence, &m_soundServer}) {
            process->terminate();
            process->waitForFinished();
        }
    }

    void secondInstanceIsRefusedButALockLeftOrUnmakeableNeverStopsTheStart()
    {
        // Without a folder of its own the lock goes to the user's runtime folder.
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QString runtime = m_dir.filePath(u"runtime"_s);
        QVERIFY(QDir().mkpath(runtime));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const QString data = m_dir.filePath(u"data"_s);
        auto first = std::make_unique<InstanceGuardQt>(data);
        InstanceGuardQt second(data + u"/"_s);
        InstanceGuardQt elsewhere(m_dir.filePath(u"other-data"_s));
        QVERIFY(first->tryAcquire());
        QVERIFY(first->tryAcquire());
        QVERIFY(!second.tryAcquire());
        QCOMPARE(QFileInfo(second.lockPath()).path(), runtime);
        // The sticky bit keeps the folder's clean-up away from the lock of a long-running board.
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(second.lockPath()).constData(), &info), 0);
        QVERIFY(info.st_mode & S_ISVTX);
        QVERIFY(elsewhere.tryAcquire());
        first.reset();
        QVERIFY(second.tryAcquire());

        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.filePath(u"gone"_s)));
        QCOMPARE(QFileInfo(InstanceGuardQt(data).lockPath()).path(), QDir::tempPath());
        savedRuntime.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", savedRuntime);

        // A lock left by a crash, or one that cannot be made, never stops the start.
        const QString crashed = m_dir.filePath(u"crashed"_s);
        InstanceGuardQt guard(crashed, m_dir.path());
        // Its process number is above any the kernel gives out (2^22 at the most): nobody owns it.
        QFile lock(guard.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("2147483647\nzendra98\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(guard.tryAcquire());

        // A lock folder that is not there: the board starts unguarded rather than not at all.
        QVERIFY(InstanceGuardQt(crashed, m_dir.filePath(u"no/such/folder"_s)).tryAcquire());
    }

    void soundPlaysEachFormatToItsEndWhileEventsRun_data()
    {
        QTest::addColumn<QByteArray>("wave"); // 300 ms of silence, or empty for a file it cannot play: a beep at once
        QTest::newRow("8-bit mono at 8000 Hz") << testWave(1, 1, 8000, 8, QByteArray(2400, '\x80'));
        QTest::newRow("24-bit stereo at 96000 Hz, extensible")
            << testWave(1, 2, 96000, 24, QByteArray(172800, 0), true);
        QTest::newRow("float in six channels at 48000 Hz") << testWave(3, 6, 48000, 32, QByteArray(345600, 0));
        QTest::newRow("double stereo at 192000 Hz") << testWave(3, 2, 192000, 64, QByteArray(921600, 0));
        QTest::newRow("an empty file") << QByteArray();
    }

    void soundPlaysEachFormatToItsEndWhileEventsRun()
    {
        QFETCH(QByteArray, wave);
        const QString path = m_dir.filePath(u"alert.wav"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size());
        file.close();
        const bool hasDevice = !QMediaDevices::defaultAudioOutput().isNull();
        QCOMPARE(hasDevice, qEnvironmentVariable("ZENDRA_TEST_SOUND") != u"none");

        SoundQt sound;
        int ticks = 0;
        qint64 nestedPlayMs = -1;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, this, [&] {
            // An alert asked for while one plays is dropped, not stacked on the first one's wait.
            if (++ticks == 2) {
                QElapsedTimer nested;
                nested.start();
                sound.play(path);
                nestedPlayMs = nested.elapsed();
            }
        });
        timer.start();
        QElapsedTimer elapsed;
        elapsed.start();
        sound.play(path);
        if (hasDevice && !wave.isEmpty()) {
            QVERIFY2(elapsed.elapsed() >= 290, qPrintable(QString::number(elapsed.elapsed())));
            // Before the bound of length and grace (1800 ms): the end of the sound ended the wait.
            QVERIFY2(elapsed.elapsed() < 1400, qPrintable(QString::number(elapsed.elapsed())));
            QVERIFY(ticks >= 5);
            QVERIFY(nestedPlayMs >= 0 && nestedPlayMs < 50);
        } else {
            // Without a sound server, or a file it can play, the play beeps and returns at once.
            QVERIFY(elapsed.elapsed() < 500);
        }
    }

    void modulesLoadOnTheirFirstUse()
    {
        const auto module = [](const char* name) { return RealPlatform::modulePath(QStringLiteral(STAGE_DIR), name); };
        const char* const names[] = {"zendra98sound", "zendra98pop3", "zendra98print", "zendra98volume"};
        SoundOnDemand sound(module("zendra98sound"));
        Pop3FactoryOnDemand pop3(module("zendra98pop3"));
        DialogsQt dialogs(module("zendra98print"));
        VolumeOnDemand volume(module("zendra98volume"));
        for (const char* name : names)
            QVERIFY2(!QLibrary(module(name)).isLoaded(), name);

        sound.play(m_dir.filePath(u"missing.wav"_s));
        QCOMPARE(pop3.create()->metaObject()->className(), "Pop3ClientQt");
        // The print dialog is cancelled as soon as it shows.
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        cancel.start(20);
        QVERIFY(!dialogs.print({u"text"_s, {}, {}}));
        volume.volume();
        for (const char* name : names)
            QVERIFY2(QLibrary(module(name)).isLoaded(), name);

        // Without its module a mail check fails at once and says why.
        auto missing = Pop3FactoryOnDemand(m_dir.filePath(u"no-such-module"_s)).create();
        QSignalSpy failed(missing.get(), &Pop3Client::failed);
        missing->open({});
        QVERIFY(failed.wait(1000));
        QVERIFY2(failed.first().at(1).toString().contains(u"not installed"),
                 qPrintable(failed.first().at(1).toString()));

        // Without the module a play beeps and returns at once, however long the file.
        QElapsedTimer elapsed;
        elapsed.start();
        SoundOnDemand without(m_dir.filePath(u"no-such-module"_s));
        without.play(QStringLiteral(TEST_DATA_DIR "/silence-300ms.wav"));
        QVERIFY(elapsed.elapsed() < 250);
    }

    void aNotificationReachesTheDesktopsServiceAsText()
    {
        NotificationService service;
        auto connection = QDBusConnection::connectToBus(m_bus.address(), u"notification-service"_s);
        QVERIFY(
            connection.registerObject(u"/org/freedesktop/Notifications"_s, &service, QDBusConnection::ExportAllSlots));
        QVERIFY(connection.registerService(u"org.freedesktop.Notifications"_s));

        // The body is text: a subject that looks like markup arrives escaped, as the service may read markup.
        NotifierDBus().notify(u"New mail"_s, u"3 new messages: <a href=\"x\">Lunch</a> & more"_s);
        QTRY_COMPARE(
            service.received,
            QStringList{u"Zendra 98|0|zendra98|New mail|3 new messages: &lt;a href=&quot;x&quot;&gt;Lunch&lt;/a&gt; "
                        u"&amp; more|0|0|-1"_s});
        QDBusConnection::disconnectFromBus(u"notification-service"_s);
    }

    void aMessageBoxShowsMarkupAsText()
    {
        // A mail server's words reach message boxes: a link or a picture in them must stay text.
        Qt::TextFormat shown = Qt::AutoText;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->textFormat();
                box->button(QMessageBox::Ok)->click();
            }
        });
        DialogsQt dialogs;
        dialogs.message({u"<b>-ERR</b> <a href=\"http://x\">log in here</a>"_s,
                         u"Error during Connect"_s,
                         MessageIcon::None,
                         MessageButtons::Ok});
        QCOMPARE(shown, Qt::PlainText);
    }
};

QTEST_MAIN(tst_PlatformQt)
#include "tst_PlatformQt.moc"
