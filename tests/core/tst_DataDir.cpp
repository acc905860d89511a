#include <unistd.h>

#include "TestSupport.h"
#include "core/DataDir.h"

class tst_DataDir final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataStaysInAPortableFolderOnly()
    {
        const QString program = QStringLiteral("/opt/zendra98");
        const QString home = QStringLiteral("/home/ann/.local/share");
        for (const auto& [writable, installed] : {std::pair{true, true}, {false, false}, {false, true}}) {
            const DataDir dir = DataDir::choose({program, writable, installed, {}}, home);
            QCOMPARE(dir.directory(), home + QStringLiteral("/zendra98"));
            QCOMPARE(dir.shippedFile(QStringLiteral("help/index.html")), program + QStringLiteral("/help/index.html"));
        }
        QCOMPARE(DataDir::choose({program, true, false, {}}, home).path(), program + QStringLiteral("/"));
        QVERIFY(!DataDir::choose({program, true, false, {}}, home).isSeparate());

        // The real check, on an installed layout and a folder its owner made read-only; root may write anywhere.
        TempDataDir root;
        const QString programPath = root.path() + QStringLiteral("/lib/zendra98");
        const QString shipped =
            QDir::cleanPath(programPath + u'/' + QString::fromLatin1(ProgramFolder::kInstalledShipped));
        QVERIFY(QDir().mkpath(programPath) && QDir().mkpath(shipped));
        QVERIFY(!ProgramFolder::at(programPath).installed);
        QCOMPARE(DataDir::choose(ProgramFolder::at(programPath), home).shippedFile(QStringLiteral("help")),
                 programPath + QStringLiteral("/help"));
        QVERIFY(
            QFile(shipped + u'/' + QString::fromLatin1(ProgramFolder::kInstalledMarker)).open(QIODevice::WriteOnly));
        const ProgramFolder installed = ProgramFolder::at(programPath);
        QVERIFY(installed.installed);
        QCOMPARE(DataDir::choose(installed, home).shippedFile(QStringLiteral("help")),
                 shipped + QStringLiteral("/help"));
        QFile::setPermissions(programPath, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QCOMPARE(ProgramFolder::at(programPath).writable, ::geteuid() == 0);
        QFile::setPermissions(programPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void seedingCopiesMissingFilesOnlyAndCompletesAHalfSeededFolder()
    {
        TempDataDir shipped;
        for (const QString& name : DataDir::seededFiles())
            shipped.write(name, "shipped");
        QVERIFY(QFile::remove(shipped.path() + QStringLiteral("/email.gif")));
        TempDataDir home;
        const DataDir dir(home.path() + QStringLiteral("/zendra98"), shipped.path());
        // A first start that ended after one copy, which the user has since changed.
        QVERIFY(QDir().mkpath(dir.directory()));
        home.write(QStringLiteral("zendra98/options.dat"), "the user's own");

        QCOMPARE(dir.seed(), QStringLiteral("default.dat icons.dat TIPOFDAY.TXT").split(u' '));
        QCOMPARE(home.read(QStringLiteral("zendra98/options.dat")), "the user's own");
        QCOMPARE(home.read(QStringLiteral("zendra98/TIPOFDAY.TXT")), "shipped");
        // Nothing else: no temporary file left, and a missing shipped file is no reason to stop.
        QCOMPARE(QDir(dir.directory()).entryList(QDir::Files | QDir::Hidden).size(), 4);
        QCOMPARE(dir.seed(), QStringList());

        // A new folder is made for its owner alone; a portable folder is its own seed.
        const DataDir fresh(home.path() + QStringLiteral("/fresh"), shipped.path());
        QCOMPARE(fresh.seed().size(), 4);
        QCOMPARE(QFile::permissions(fresh.directory()) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
        QCOMPARE(DataDir(shipped.path()).seed(), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_DataDir)
#include "tst_DataDir.moc"
