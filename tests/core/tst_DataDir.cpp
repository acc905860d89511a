#include <unistd.h>

#include "TestSupport.h"
#include "core/DataDir.h"

class tst_DataDir final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataStaysInAPortableFolderOnly()
    {
        const QString program = u"/opt/zendra98"_s;
        const QString home = u"/home/ann/.local/share"_s;
        for (const auto& [writable, installed] : {std::pair{true, true}, {false, false}, {false, true}}) {
            const DataDir dir = DataDir::choose({program, writable, installed, {}}, home);
            QCOMPARE(dir.directory(), home + u"/zendra98"_s);
            QCOMPARE(dir.shippedFile(u"help/index.html"_s), program + u"/help/index.html"_s);
        }
        QCOMPARE(DataDir::choose({program, true, false, {}}, home).path(), program + u"/"_s);
        QVERIFY(!DataDir::choose({program, true, false, {}}, home).isSeparate());

        // The real check, on an installed layout and a folder its owner made read-only; root may write anywhere.
        TempDataDir root;
        const QString programPath = root.path() + u"/lib/zendra98"_s;
        const QString shipped =
            QDir::cleanPath(programPath + u'/' + QString::fromLatin1(ProgramFolder::kInstalledShipped));
        QVERIFY(QDir().mkpath(programPath) && QDir().mkpath(shipped));
        QVERIFY(!ProgramFolder::at(programPath).installed);
        QCOMPARE(DataDir::choose(ProgramFolder::at(programPath), home).shippedFile(u"help"_s),
                 programPath + u"/help"_s);
        QVERIFY(
            QFile(shipped + u'/' + QString::fromLatin1(ProgramFolder::kInstalledMarker)).open(QIODevice::WriteOnly));
        const ProgramFolder installed = ProgramFolder::at(programPath);
        QVERIFY(installed.installed);
        QCOMPARE(DataDir::choose(installed, home).shippedFile(u"help"_s), shipped + u"/help"_s);
        QFile::setPermissions(programPath, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QCOMPARE(ProgramFolder::at(programPath).writable, ::geteuid() == 0);
        QFile::setPermissions(programPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void seedingCopiesMissingFilesOnlyAndCompletesAHalfSeededFolder()
    {
        TempDataDir shipped;
        for (const QString& name : DataDir::seededFiles())
            shipped.write(name, "shipped");
        QVERIFY(QFile::remove(shipped.path() + u"/email.gif"_s));
        TempDataDir home;
        const DataDir dir(home.path() + u"/zendra98"_s, shipped.path());
        // A first start that ended after one copy, which the user has since changed.
        QVERIFY(QDir().mkpath(dir.directory()));
        home.write(u"zendra98/options.dat"_s, "the user's own");

        QCOMPARE(dir.seed(), u"default.dat icons.dat TIPOFDAY.TXT"_s.split(u' '));
        QCOMPARE(home.read(u"zendra98/options.dat"_s), "the user's own");
        QCOMPARE(home.read(u"zendra98/TIPOFDAY.TXT"_s), "shipped");
        // Nothing else: no temporary file left, and a missing shipped file is no reason to stop.
        QCOMPARE(QDir(dir.directory()).entryList(QDir::Files | QDir::Hidden).size(), 4);
        QCOMPARE(dir.seed(), QStringList());

        // A new folder is made for its owner alone; a portable folder is its own seed.
        const DataDir fresh(home.path() + u"/fresh"_s, shipped.path());
        QCOMPARE(fresh.seed().size(), 4);
        QCOMPARE(QFile::permissions(fresh.directory()) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
        QCOMPARE(DataDir(shipped.path()).seed(), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_DataDir)
#include "tst_DataDir.moc"
