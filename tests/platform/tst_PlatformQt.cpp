#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include "TestSupport.h"
#include "TestWave.h"
#include "app/RealPlatform.h"
#include "platform/qt/DialogsQt.h"
#include "platform/qt/InstanceGuardQt.h"
#include "platform/qt/SettingsStoreQt.h"
#include "platform/qt/SoundOnDemand.h"
#include "platform/qt/SoundQt.h"

class tst_PlatformQt final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_soundServer;
    QProcess m_silence;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // A sound server of the test's own whose null sink plays in real time into nothing; the second run of this
        // test (ZENDRA_TEST_SOUND=none) has none.
        if (qEnvironmentVariable("ZENDRA_TEST_SOUND") == u"none")
            return;
        const QString socket = m_dir.filePath(QStringLiteral("pulse-socket"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        m_soundServer.setProcessEnvironment(environment);
        m_soundServer.start(QStringLiteral("pulseaudio"),
                            QStringLiteral("-n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-level=error "
                                           "-Lmodule-null-sink")
                                    .split(u' ')
                                << QStringLiteral("-Lmodule-native-protocol-unix auth-anonymous=1 socket=") + socket);
        QVERIFY2(m_soundServer.waitForStarted(), "pulseaudio is missing: run scripts/install-deps.sh");
        QTRY_VERIFY(QFile::exists(socket));
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
        // An idle null sink renders seconds ahead and a new stream waits behind them; a steady low-latency stream
        // of silence keeps it at a sound card's pace.
        m_silence.setStandardInputFile(QStringLiteral("/dev/zero"));
        m_silence.start(QStringLiteral("pacat"), {QStringLiteral("--raw"), QStringLiteral("--latency-msec=20")});
        const auto sinkKeepsPace = [] {
            QProcess pactl;
            pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sinks")});
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

    void secondInstanceOfTheSameDataDirectoryIsRefused()
    {
        // Without a folder of its own the lock goes to the user's runtime folder.
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const QString data = m_dir.filePath(QStringLiteral("data"));
        auto first = std::make_unique<InstanceGuardQt>(data);
        InstanceGuardQt second(data + QStringLiteral("/"));
        InstanceGuardQt elsewhere(m_dir.filePath(QStringLiteral("other-data")));
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

        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("gone"))));
        QCOMPARE(QFileInfo(InstanceGuardQt(data).lockPath()).path(), QDir::tempPath());
        savedRuntime.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", savedRuntime);
    }

    void aLockLeftOrUnmakeableNeverStopsTheStart()
    {
        const QString data = m_dir.filePath(QStringLiteral("crashed"));
        InstanceGuardQt guard(data, m_dir.path());
        // A child that has ended and been reaped leaves a process number nobody owns.
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        QCOMPARE(::waitpid(pid, nullptr, 0), pid);
        QFile lock(guard.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\nzendra98\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(guard.tryAcquire());

        // A lock folder that is not there: the board starts unguarded rather than not at all.
        QVERIFY(InstanceGuardQt(data, m_dir.filePath(QStringLiteral("no/such/folder"))).tryAcquire());
    }

    void soundPlaysEachFormatToItsEndWhileEventsRun_data()
    {
        QTest::addColumn<QByteArray>("wave");
        // 300 ms of silence in each.
        QTest::newRow("8-bit mono at 8000 Hz") << testWave(1, 1, 8000, 8, QByteArray(2400, '\x80'));
        QTest::newRow("24-bit stereo at 96000 Hz, extensible")
            << testWave(1, 2, 96000, 24, QByteArray(172800, 0), true);
        QTest::newRow("float in six channels at 48000 Hz") << testWave(3, 6, 48000, 32, QByteArray(345600, 0));
        QTest::newRow("double stereo at 192000 Hz") << testWave(3, 2, 192000, 64, QByteArray(921600, 0));
    }

    void soundPlaysEachFormatToItsEndWhileEventsRun()
    {
        QFETCH(QByteArray, wave);
        const QString path = m_dir.filePath(QStringLiteral("alert.wav"));
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
        if (hasDevice) {
            QVERIFY2(elapsed.elapsed() >= 290, qPrintable(QString::number(elapsed.elapsed())));
            // Before the bound of length and grace (1800 ms): the end of the sound ended the wait.
            QVERIFY2(elapsed.elapsed() < 1400, qPrintable(QString::number(elapsed.elapsed())));
            QVERIFY(ticks >= 5);
            QVERIFY(nestedPlayMs >= 0 && nestedPlayMs < 50);
        } else {
            // Without a sound server the play beeps and returns at once.
            QVERIFY(elapsed.elapsed() < 500);
        }
    }

    void soundBeepsAtOnceForAFileItCannotPlay()
    {
        QElapsedTimer elapsed;
        elapsed.start();
        SoundQt().play(QStringLiteral(PICTURES_DIR "/email.gif"));
        SoundQt().play(m_dir.filePath(QStringLiteral("missing.wav")));
        QVERIFY(elapsed.elapsed() < 1000);
    }

    void soundModuleLoadsOnTheFirstPlay()
    {
        const QString module = RealPlatform::modulePath(QStringLiteral(STAGE_DIR), "zendra98sound");
        QVERIFY(!QLibrary(module).isLoaded());
        SoundOnDemand sound(module);
        sound.play(m_dir.filePath(QStringLiteral("missing.wav")));
        QVERIFY(QLibrary(module).isLoaded());

        // Without the module a play beeps and returns at once, however long the file.
        QElapsedTimer elapsed;
        elapsed.start();
        SoundOnDemand without(m_dir.filePath(QStringLiteral("no-such-module")));
        without.play(QStringLiteral(TEST_DATA_DIR "/silence-300ms.wav"));
        QVERIFY(elapsed.elapsed() < 250);
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
        dialogs.message({QStringLiteral("<b>-ERR</b> <a href=\"http://x\">log in here</a>"),
                         QStringLiteral("Error during Connect"),
                         MessageIcon::None,
                         MessageButtons::Ok});
        QCOMPARE(shown, Qt::PlainText);
    }
};

QTEST_MAIN(tst_PlatformQt)
#include "tst_PlatformQt.moc"
