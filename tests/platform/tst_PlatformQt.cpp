#include <csignal>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include "platform/qt/InstanceGuardQt.h"
#include "platform/qt/SettingsStoreQt.h"
#include "platform/qt/SoundQt.h"

namespace
{
QByteArray silentWave(int milliseconds)
{
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray wave;
    const auto le32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    const auto le16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    wave += "RIFF";
    le32(36 + dataBytes);
    wave += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(rate);
    le32(rate);
    le16(1);
    le16(8);
    wave += "data";
    le32(dataBytes);
    wave += QByteArray(static_cast<qsizetype>(dataBytes), '\x80');
    return wave;
}

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
    void settingsStoreKeepsAValue();
    void soundWaitsForTheFileWhileEventsRun();
    void unplayableSoundReturnsAtOnce();

private:
    QTemporaryDir m_dir;
};

void tst_PlatformQt::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
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

void tst_PlatformQt::settingsStoreKeepsAValue()
{
    SettingsStoreQt store;
    store.setValue(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("0"));
    QCOMPARE(SettingsStoreQt().value(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")),
             QStringLiteral("0"));
    store.setValue(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("1"));
    QCOMPARE(store.value(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")), QStringLiteral("1"));
}

void tst_PlatformQt::soundWaitsForTheFileWhileEventsRun()
{
    const QString path = m_dir.filePath(QStringLiteral("alert.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(silentWave(300));
    file.close();

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

QTEST_MAIN(tst_PlatformQt)
#include "tst_PlatformQt.moc"
