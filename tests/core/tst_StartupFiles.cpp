#include <QRandomGenerator>
#include <QTest>

#include "TempDataDir.h"
#include "app/StartupFiles.h"

namespace
{
const QStringList kDataFiles = {QStringLiteral("email.dat"),
                                QStringLiteral("icons.dat"),
                                QStringLiteral("autosave.dat"),
                                QStringLiteral("tipset.dat"),
                                QStringLiteral("position.dat"),
                                QStringLiteral("scratch.dat"),
                                QStringLiteral("options.dat"),
                                QStringLiteral("3.zrn")};

QByteArray goodOptions()
{
    QByteArray bytes = "\"/pictures/sky, blue.png\",1\r\n";
    for (int i = 1; i <= 10; ++i)
        bytes += QByteArray::number(i) + ",\"Title " + QByteArray::number(i) + "\",\"/usr/bin/prog" +
                 QByteArray::number(i) + "\"\r\n";
    bytes += "1,10841658,1,0,1,2,0,3\r\n";
    return bytes;
}

QByteArray binaryBytes(qsizetype size)
{
    QByteArray bytes(size, '\0');
    auto* generator = QRandomGenerator::global();
    for (char& byte : bytes)
        byte = static_cast<char>(generator->bounded(256));
    return bytes;
}
} // namespace

class tst_StartupFiles final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noFilesLeavesEveryValueAtItsStart();
    void readsEveryFileOfAFullDirectory();
    void shortOptionsKeepTheValuesNotReached();
    void badFileSpoilsNothingElse_data();
    void badFileSpoilsNothingElse();
};

void tst_StartupFiles::noFilesLeavesEveryValueAtItsStart()
{
    TempDataDir dir;
    const StartupFiles files = StartupFiles::read(dir.dataDir());
    QCOMPARE(files.position.onTop, 0.0F);
    QCOMPARE(files.position.left, 0.0F);
    QCOMPARE(files.options.colour, 0);
    QCOMPARE(files.options.trayMode, 0.0F);
    QVERIFY(files.email.checkingFlagIs(0));
    QVERIFY(!files.email.checkingEnabled.isValid());
    QVERIFY(!files.email.automaticCheckConfigured());
    for (const IconPlace& place : files.icons.places) {
        QCOMPARE(place.top, 0.0F);
        QCOMPARE(place.left, 0.0F);
    }
    for (const auto& note : files.notes)
        QVERIFY(!note.has_value());
    QVERIFY(dir.snapshot().isEmpty());
}

void tst_StartupFiles::readsEveryFileOfAFullDirectory()
{
    TempDataDir dir;
    dir.write(QStringLiteral("position.dat"), "1,4560,120\r\n");
    dir.write(QStringLiteral("options.dat"), goodOptions());
    dir.write(QStringLiteral("icons.dat"),
              "1440,105\r\n1425,480\r\n1440,825\r\n1440,1350\r\n1440,1710\r\n1300,2000\r\n");
    dir.write(QStringLiteral("scratch.dat"), "1,\"line one\r\nline two\"\r\n");
    dir.write(QStringLiteral("autosave.dat"), "1,1\r\n");
    dir.write(QStringLiteral("tipset.dat"), "1\r\n");
    dir.write(QStringLiteral("2.zrn"), "\"buy milk, eggs\"\r\n");
    dir.write(QStringLiteral("5.zrn"), "");

    const StartupFiles files = StartupFiles::read(dir.dataDir());
    QCOMPARE(files.position.onTop, 1.0F);
    QCOMPARE(files.position.left, 4560.0F);
    QCOMPARE(files.position.top, 120.0F);
    QCOMPARE(files.options.backgroundPath, QStringLiteral("/pictures/sky, blue.png"));
    QCOMPARE(files.options.programs[9].title, QStringLiteral("Title 10"));
    QCOMPARE(files.options.programs[2].path, QStringLiteral("/usr/bin/prog3"));
    QCOMPARE(files.options.colour, 10841658);
    QCOMPARE(files.options.dialUpFlag, 0.0F);
    QCOMPARE(files.options.calculatorFlag, 2.0F);
    QCOMPARE(files.options.trayMode, 3.0F);
    QCOMPARE(files.icons[LaunchIconId::Notepad].top, 1300.0F);
    QCOMPARE(files.icons[LaunchIconId::Notepad].left, 2000.0F);
    QCOMPARE(files.scratch.text, QStringLiteral("line one\r\nline two"));
    QCOMPARE(files.autosave.checked, 1.0F);
    QCOMPARE(files.tipset.showAtStartup, 1.0F);
    QVERIFY(!files.notes[0].has_value());
    QCOMPARE(files.notes[1]->text, QStringLiteral("buy milk, eggs"));
    // An empty note file still holds its slot.
    QVERIFY(files.notes[4].has_value());
}

void tst_StartupFiles::shortOptionsKeepTheValuesNotReached()
{
    TempDataDir dir;
    QByteArray bytes = goodOptions();
    bytes.truncate(bytes.indexOf("Title 4"));
    dir.write(QStringLiteral("options.dat"), bytes);
    const StartupFiles files = StartupFiles::read(dir.dataDir());
    QCOMPARE(files.options.programs[2].title, QStringLiteral("Title 3"));
    QCOMPARE(files.options.programs[3].title, QString());
    QCOMPARE(files.options.trayMode, 0.0F);
    QCOMPARE(files.options.colour, 0);
}

void tst_StartupFiles::badFileSpoilsNothingElse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QList<std::pair<const char*, QByteArray>> kinds = {
        {"empty", QByteArray()},
        {"truncated", QByteArray("1,\"unfinished")},
        {"binary", binaryBytes(4096)},
        {"text where numbers belong", QByteArray("abc,def,\"ghi\",jkl\r\nmno\r\n")},
        {"10 MB without a separator", QByteArray(10 * 1024 * 1024, '7')},
        {"10 MB of quotes and commas", QByteArray(5242880, '"') + QByteArray(5242880, ',')},
    };
    for (const QString& name : kDataFiles) {
        for (const auto& [kind, bytes] : kinds)
            QTest::addRow("%s %s", qPrintable(name), kind) << name << bytes;
    }
}

void tst_StartupFiles::badFileSpoilsNothingElse()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    TempDataDir dir;
    if (name != u"position.dat")
        dir.write(QStringLiteral("position.dat"), "1,4560,120\r\n");
    if (name != u"options.dat")
        dir.write(QStringLiteral("options.dat"), goodOptions());
    dir.write(name, bytes);
    const auto before = dir.snapshot();

    const StartupFiles files = StartupFiles::read(dir.dataDir());

    QCOMPARE(dir.snapshot(), before);
    if (name != u"position.dat")
        QCOMPARE(files.position.left, 4560.0F);
    if (name != u"options.dat") {
        QCOMPARE(files.options.trayMode, 3.0F);
        QCOMPARE(files.options.programs[9].title, QStringLiteral("Title 10"));
    }
}

QTEST_APPLESS_MAIN(tst_StartupFiles)
#include "tst_StartupFiles.moc"
