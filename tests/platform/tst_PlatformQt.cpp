#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/InstanceGuardQt.h"
#include "platform/qt/SettingsStoreQt.h"
#include "platform/qt/SoundOnDemand.h"
#include "platform/qt/SoundQt.h"

class tst_PlatformQt final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void secondInstanceOfTheSameDataDirectoryIsRefused();
    void aLockLeftOrUnmakeableNeverStopsTheStart();
    void soundWaitsOnlyForAPlayableFile();
    void soundModuleLoadsOnTheFirstPlay();
    void aSettingReachesTheDiskOnceTheEventLoopRuns();

private:
    QTemporaryDir m_dir;
};

void tst_PlatformQt::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_PlatformQt::secondInstanceOfTheSameDataDirectoryIsRefused()
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

void tst_PlatformQt::aLockLeftOrUnmakeableNeverStopsTheStart()
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

void tst_PlatformQt::soundWaitsOnlyForAPlayableFile()
{
    bool timerRan = false;
    QTimer::singleShot(50, this, [&] { timerRan = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    SoundQt().play(QStringLiteral(TEST_DATA_DIR "/silence-300ms.wav"));
    QVERIFY(timerRan);
    QVERIFY(elapsed.elapsed() < 300 + 3000);

    elapsed.restart();
    SoundQt().play(QStringLiteral(PICTURES_DIR "/email.gif"));
    SoundQt().play(m_dir.filePath(QStringLiteral("missing.wav")));
    QVERIFY(elapsed.elapsed() < 1000);
}

void tst_PlatformQt::soundModuleLoadsOnTheFirstPlay()
{
    const QString module = QStringLiteral(STAGE_DIR "/zendra98sound");
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

void tst_PlatformQt::aSettingReachesTheDiskOnceTheEventLoopRuns()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString file = m_dir.filePath(QStringLiteral("config/%1/%1.conf").arg(name));
    SettingsStoreQt store;
    store.setValue(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("0"));
    QTRY_VERIFY(QFile::exists(file));
    QSettings written(file, QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("Options/Show Tips at Startup")).toString(), QStringLiteral("0"));
    QCOMPARE(SettingsStoreQt().value(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")),
             QStringLiteral("0"));
}

QTEST_MAIN(tst_PlatformQt)
#include "tst_PlatformQt.moc"
