#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "TempDataDir.h"
#include "core/DataDir.h"

class tst_DataDir final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataGoesWhereTheUserMayKeepIt_data();
    void dataGoesWhereTheUserMayKeepIt();
    void aReadOnlyProgramFolderIsNotWritable();
    void seedingCopiesOnceAndKeepsTheUsersFiles();
    void aHalfSeededFolderIsCompleted();
};

void tst_DataDir::dataGoesWhereTheUserMayKeepIt_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("portable");
    QTest::newRow("a staged or unpacked folder the user may write keeps the data") << true << false << true;
    QTest::newRow("a folder under /usr or /opt sends it to the user's data folder") << false << false << false;
    QTest::newRow("an installation the user could write still sends it there") << true << true << false;
    QTest::newRow("a read-only installation sends it there") << false << true << false;
}

void tst_DataDir::dataGoesWhereTheUserMayKeepIt()
{
    QFETCH(bool, writable);
    QFETCH(bool, installed);
    QFETCH(bool, portable);
    const QString program = QStringLiteral("/opt/zendra98");
    const DataDir dir = DataDir::choose({program, writable, installed}, QStringLiteral("/home/ann/.local/share"));
    QCOMPARE(dir.shippedFile(QStringLiteral("help/index.html")), program + QStringLiteral("/help/index.html"));
    QCOMPARE(dir.directory(), portable ? program : QStringLiteral("/home/ann/.local/share/zendra98"));
    QCOMPARE(dir.file(QStringLiteral("options.dat")), dir.path() + QStringLiteral("options.dat"));
    QCOMPARE(dir.isSeparate(), !portable);
}

void tst_DataDir::aReadOnlyProgramFolderIsNotWritable()
{
    TempDataDir folder;
    QVERIFY(ProgramFolder::at(folder.path()).writable);
    QVERIFY(!ProgramFolder::at(folder.path()).installed);
    folder.write(QString::fromLatin1(ProgramFolder::kInstalledMarker), "installed\n");
    QVERIFY(ProgramFolder::at(folder.path()).installed);
    if (::geteuid() == 0)
        QSKIP("root may write to every folder");
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool writable = ProgramFolder::at(folder.path()).writable;
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!writable);
}

void tst_DataDir::seedingCopiesOnceAndKeepsTheUsersFiles()
{
    TempDataDir shipped;
    for (const QString& name : DataDir::seededFiles())
        shipped.write(name, "shipped " + name.toLatin1());
    QVERIFY(QDir(shipped.path()).mkdir(QStringLiteral("help")));
    shipped.write(QStringLiteral("help/index.html"), "help");
    TempDataDir home;
    const DataDir dir(home.path() + QStringLiteral("/zendra98"), shipped.path());

    QCOMPARE(dir.seed(), DataDir::seededFiles());
    QCOMPARE(QFileInfo(dir.directory()).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
    for (const QString& name : DataDir::seededFiles()) {
        QFile file(dir.file(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "shipped " + name.toLatin1());
    }
    // Only the seeded files: the read-only ones stay where the program is, and no temporary file is left.
    QCOMPARE(QDir(dir.directory()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot).size(),
             DataDir::seededFiles().size());

    QFile edited(dir.file(QStringLiteral("options.dat")));
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("the user's own");
    edited.close();
    QCOMPARE(dir.seed(), QStringList());
    QVERIFY(edited.open(QIODevice::ReadOnly));
    QCOMPARE(edited.readAll(), "the user's own");

    // A portable folder is its own seed.
    QCOMPARE(DataDir(shipped.path()).seed(), QStringList());
}

void tst_DataDir::aHalfSeededFolderIsCompleted()
{
    TempDataDir shipped;
    for (const QString& name : DataDir::seededFiles())
        shipped.write(name, "shipped");
    TempDataDir data;
    // A start that ended after two copies, and a missing shipped file that does not stop the others.
    data.write(QStringLiteral("options.dat"), "kept");
    data.write(QStringLiteral("default.dat"), "kept");
    QVERIFY(QFile::remove(shipped.path() + QStringLiteral("/email.gif")));

    const DataDir dir(data.path(), shipped.path());
    QCOMPARE(dir.seed(), QStringList({QStringLiteral("icons.dat"), QStringLiteral("TIPOFDAY.TXT")}));
    QCOMPARE(data.read(QStringLiteral("options.dat")), "kept");
    QCOMPARE(data.read(QStringLiteral("icons.dat")), "shipped");
    QVERIFY(!data.exists(QStringLiteral("email.gif")));
}

QTEST_GUILESS_MAIN(tst_DataDir)
#include "tst_DataDir.moc"
