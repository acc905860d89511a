#include <unistd.h>

#include "TestSupport.h"
#include "app/StartupFiles.h"
#include "core/RecordFile.h"

namespace
{
// Every file the start-up reads but the last note slot, which stays good to show that nothing stopped early.
const QStringList kDataFiles =
    u"email.dat icons.dat autosave.dat tipset.dat position.dat scratch.dat options.dat 3.zrn"_s.split(u' ');

QByteArray goodOptions()
{
    QByteArray bytes = "\"/pictures/sky, blue.png\",1\r\n";
    for (int i = 1; i <= 10; ++i)
        bytes += QByteArray::number(i) + ",\"Title " + QByteArray::number(i) + "\",\"/usr/bin/prog" +
                 QByteArray::number(i) + "\"\r\n";
    bytes += "1,10841658,1,0,1,2,0,3\r\n";
    return bytes;
}
} // namespace

class tst_StartupFiles final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEveryFileOfAFullDirectory()
    {
        TempDataDir dir;
        dir.write(u"position.dat"_s, "1,4560,120\r\n");
        dir.write(u"options.dat"_s, goodOptions());
        dir.write(u"icons.dat"_s, "1440,105\r\n1425,480\r\n1440,825\r\n1440,1350\r\n1440,1710\r\n1300,2000\r\n");
        dir.write(u"scratch.dat"_s, "1,\"line one\r\nline two\"\r\n");
        dir.write(u"autosave.dat"_s, "1,1\r\n");
        dir.write(u"tipset.dat"_s, "1\r\n");
        dir.write(u"2.zrn"_s, "\"buy milk, eggs\"\r\n");
        dir.write(u"5.zrn"_s, "");

        const StartupFiles files = StartupFiles::read(dir.dataDir());
        QCOMPARE(files.position.onTop, 1.0F);
        QCOMPARE(files.position.left, 4560.0F);
        QCOMPARE(files.position.top, 120.0F);
        QCOMPARE(files.options.backgroundPath, u"/pictures/sky, blue.png"_s);
        QCOMPARE(files.options.programs[9].title, u"Title 10"_s);
        QCOMPARE(files.options.programs[2].path, u"/usr/bin/prog3"_s);
        QCOMPARE(files.options.colour, 10841658);
        QCOMPARE(files.options.calculatorFlag, 2.0F);
        QCOMPARE(files.options.trayMode, 3.0F);
        QCOMPARE(files.icons[LaunchIconId::Notepad].top, 1300.0F);
        QCOMPARE(files.icons[LaunchIconId::Notepad].left, 2000.0F);
        QCOMPARE(files.scratch.text, u"line one\nline two"_s);
        QCOMPARE(files.autosave.checked, 1.0F);
        QCOMPARE(files.tipset.showAtStartup, 1.0F);
        QVERIFY(!files.notes[0].has_value());
        QCOMPARE(files.notes[1]->text, u"buy milk, eggs"_s);
        // An empty note file still holds its slot.
        QVERIFY(files.notes[4].has_value());
    }

    void badFilesSpoilNothingElse_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("bytes");

        // Every byte value, quotes, commas and line ends among them, in bytes that are not UTF-8.
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += static_cast<char>(i * 7);
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("truncated") << true << "1,\"unfinished"_ba;
        QTest::newRow("binary") << true << binary;
        QTest::newRow("text where numbers belong") << true << "abc,def,\"ghi\",jkl\r\nmno\r\n"_ba;
        // Fields far longer than any real one: a number, text after a closing quote, and countless empty ones.
        QTest::newRow("huge") << true
                              << QByteArray(1 << 18, '7') + ",\"\"" + QByteArray(1 << 18, '"') +
                                     QByteArray(1 << 20, ',');
    }

    void badFilesSpoilNothingElse()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, bytes);
        TempDataDir dir;
        if (present) {
            // One file written, the others linked to it: a large input lands on the disk once.
            dir.write(kDataFiles.first(), bytes);
            const QByteArray first = QFile::encodeName(dir.path() + u'/' + kDataFiles.first());
            for (const QString& name : kDataFiles.mid(1))
                QCOMPARE(::link(first.constData(), QFile::encodeName(dir.path() + u'/' + name).constData()), 0);
        }
        dir.write(u"5.zrn"_s, "\"still read\"\r\n");
        const auto before = dir.snapshot();

        const StartupFiles files = StartupFiles::read(dir.dataDir());

        QCOMPARE(dir.snapshot(), before);
        QCOMPARE(files.notes[4]->text, u"still read"_s);
        QCOMPARE(files.notes[2].has_value(), present);
        // A file missing or empty leaves every value at its start.
        if (bytes.isEmpty()) {
            QVERIFY(!files.email.checkingEnabled.isValid());
            QVERIFY(files.email.checkingFlagIs(0));
            QVERIFY(!files.email.automaticCheckConfigured());
            for (const IconPlace& place : files.icons.places)
                QCOMPARE(QPointF(place.left, place.top), QPointF(0, 0));
            QCOMPARE(files.autosave.checked, 0.0F);
            QCOMPARE(files.tipset.showAtStartup, 0.0F);
            QCOMPARE(QList<float>({files.position.onTop, files.position.left, files.position.top}),
                     QList<float>({0, 0, 0}));
            QCOMPARE(files.scratch.text, QString());
            QCOMPARE(files.options.colour, 0);
            QCOMPARE(files.options.trayMode, 0.0F);
            QCOMPARE(files.options.programs[0].path, QString());
        }
    }
};

QTEST_APPLESS_MAIN(tst_StartupFiles)
#include "tst_StartupFiles.moc"
