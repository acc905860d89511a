#include <csignal>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/InstanceGuardQt.h"
#include "platform/qt/SoundOnDemand.h"
#include "platform/qt/SoundQt.h"

namespace
{
qint64 deadPid()
{
    for (qint64 pid = 4000000; pid > 1000; --pid) {
        if (::kill(static_cast<pid_t>(pid), 0) != 0)
            return pid;
    }
    return -1;
}
} // namespace

class tst_PlatformQt final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void secondInstanceOfTheSameProgramIsRefused();
    void lockOfACrashedInstanceIsTakenOver();
    void soundWaitsForTheFileWhileEventsRun();
    void unplayableSoundReturnsAtOnce();
    void soundModuleLoadsOnTheFirstPlay();

private:
    QTemporaryDir m_dir;
};

void tst_PlatformQt::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_PlatformQt::secondInstanceOfTheSameProgramIsRefused()
{
    const QString program = m_dir.filePath(QStringLiteral("zendra98"));
    const QString other = m_dir.filePath(QStringLiteral("copy/zendra98"));
    auto first = std::make_unique<InstanceGuardQt>(program, m_dir.path());
    InstanceGuardQt second(program, m_dir.path());
    InstanceGuardQt elsewhere(other, m_dir.path());
    QVERIFY(first->tryAcquire());
    QVERIFY(first->tryAcquire());
    QVERIFY(!second.tryAcquire());
    QVERIFY(elsewhere.tryAcquire());
    first.reset();
    QVERIFY(second.tryAcquire());
}

void tst_PlatformQt::lockOfACrashedInstanceIsTakenOver()
{
    const QString program = m_dir.filePath(QStringLiteral("crashed/zendra98"));
    InstanceGuardQt guard(program, m_dir.path());
    const qint64 pid = deadPid();
    QVERIFY(pid > 0);
    QFile lock(guard.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nzendra98\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QVERIFY(guard.tryAcquire());
}

void tst_PlatformQt::soundWaitsForTheFileWhileEventsRun()
{
    const QString path = QStringLiteral(TEST_DATA_DIR "/silence-300ms.wav");
    bool timerRan = false;
    QTimer::singleShot(50, this, [&] { timerRan = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    SoundQt().play(path);
    QVERIFY(timerRan);
    QVERIFY(elapsed.elapsed() < 300 + 3000);
}

void tst_PlatformQt::unplayableSoundReturnsAtOnce()
{
    const QString path = m_dir.filePath(QStringLiteral("not-a-wave.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is text");
    file.close();
    QElapsedTimer elapsed;
    elapsed.start();
    SoundQt().play(path);
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

QTEST_MAIN(tst_PlatformQt)
#include "tst_PlatformQt.moc"
