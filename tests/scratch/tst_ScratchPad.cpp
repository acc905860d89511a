#include "TestSupport.h"
#include "app/StartupFiles.h"
#include "scratch/PadAnimation.h"
#include "scratch/PadText.h"
#include "scratch/ScratchFiles.h"
#include "scratch/ScratchPad.h"

namespace
{
const QString kScratch = u"scratch.dat"_s;

/// The pad on a fake board, started from the files of its data directory; `restart` starts it anew on the
/// same files, as the next run of the program would.
struct Pad
{
    FakePlatform fakes;
    TempDataDir dir;
    FakeBoardSurface board;
    std::unique_ptr<ScratchPad> pad;

    explicit Pad(const QByteArray& scratch = {}, const QByteArray& autosave = {})
    {
        if (!scratch.isEmpty())
            dir.write(kScratch, scratch);
        if (!autosave.isEmpty())
            dir.write(u"autosave.dat"_s, autosave);
        restart();
    }
    void restart()
    {
        pad.reset();
        pad = std::make_unique<ScratchPad>(fakes.platform, dir.dataDir(), board);
        const StartupFiles files = StartupFiles::read(dir.dataDir());
        pad->startUp(files.autosave, files.scratch);
    }
    QByteArray scratch() const { return dir.read(kScratch); }
    void type(const QString& text) const { QTest::keyClicks(pad->text(), text); }
    void choose(const char* item) const { pad->menu()->findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    QStringList questions() const
    {
        QStringList asked;
        for (const MessageRequest& message : fakes.dialogs.messages)
            asked << message.text;
        return asked;
    }
};
} // namespace

class tst_ScratchPad final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensEmptyWithTheAnimationUntilTheFirstKey()
    {
        Pad pad;
        pad.board.widget.show();
        QVERIFY(!pad.pad->isOpen());
        // Built at the first opening, not before: most boards never open the pad.
        for (const char* name : {"Text1", "soption1", "soption2", "sclose", "gif1"})
            QVERIFY2(!pad.board.widget.findChild<QWidget*>(QString::fromLatin1(name)), name);

        pad.pad->open();
        QCOMPARE(pad.board.controlTouches, 1);
        for (const char* name : {"Text1", "soption1", "soption2", "sclose", "gif1"})
            QVERIFY2(pad.board.widget.findChild<QWidget*>(QString::fromLatin1(name))->isVisible(), name);
        QVERIFY(pad.pad->animation()->isRunning());
        // A key that types nothing leaves the animation; the first character hides and stops it.
        QTest::keyClick(pad.pad->text(), Qt::Key_Shift);
        QVERIFY(pad.pad->animation()->isVisible());
        pad.type(u"a"_s);
        QVERIFY(!pad.pad->animation()->isVisible());
        QVERIFY(!pad.pad->animation()->isRunning());

        // The options button sets the drag-suppress flag and opens the pad's menu.
        pad.pad->soption2_MouseDown(QPoint(3, 4));
        QVERIFY(pad.board.dragSuppressed);
        QCOMPARE(pad.board.popups.last().first, pad.pad->menu());
    }

    void eachWayOfClosingWritesItsOwnRecord_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("openAtRestart");
        const QByteArray before = "1,\"before\"\r\n";
        QTest::newRow("x, answered Yes") << u"x yes"_s << u"keep me"_s << "1,\"keep me\"\r\n"_ba << true;
        QTest::newRow("x, answered No") << u"x no"_s << u"drop me"_s << "0,\"\"\r\n"_ba << false;
        QTest::newRow("x on an empty pad asks and writes nothing") << u"x yes"_s << QString() << before << true;
        QTest::newRow("Save and Close") << u"mnusaveandclose"_s << u"a\nb"_s << "1,\"a\r\nb\"\r\n"_ba << true;
        QTest::newRow("Close") << u"mnuclose"_s << u"gone"_s << "0,\"\"\r\n"_ba << false;
    }

    void eachWayOfClosingWritesItsOwnRecord()
    {
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(bool, openAtRestart);
        Pad pad("1,\"before\"\r\n");
        QVERIFY(pad.pad->isOpen());
        QVERIFY(!pad.pad->animation()->isVisibleTo(&pad.board.widget));
        pad.pad->text()->setPlainText(typed);
        if (how.startsWith(u'x')) {
            pad.fakes.dialogs.answers = {how.endsWith(u"yes"_s) ? MessageAnswer::Yes : MessageAnswer::No};
            pad.pad->sclose_Click();
            QCOMPARE(pad.questions(),
                     typed.isEmpty() ? QStringList()
                                     : QStringList{u"Do you wish to save the contents of the Scratch Pad?"_s});
        } else {
            pad.choose(how.toLatin1().constData());
            QVERIFY(pad.questions().isEmpty());
        }
        QVERIFY(!pad.pad->isOpen());
        QCOMPARE(pad.scratch(), stored);
        pad.restart();
        QCOMPARE(pad.pad->isOpen(), openAtRestart);
    }

    void automaticSaveFollowsKeysAndRightClicksOnly()
    {
        Pad pad;
        pad.board.widget.show();
        pad.pad->open();
        pad.type(u"off"_s);
        QTest::qWait(10);
        QVERIFY(!pad.dir.exists(kScratch));

        pad.choose("mnuautotextsave");
        QCOMPARE(pad.dir.read(u"autosave.dat"_s), "1,1\r\n"_ba);
        pad.pad->text()->setPlainText(u"left"_s);
        QTest::mouseClick(pad.pad->text()->viewport(), Qt::LeftButton);
        QTest::qWait(10);
        QVERIFY(!pad.dir.exists(kScratch));
        QTest::mouseClick(pad.pad->text()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_COMPARE(pad.scratch(), "1,\"left\"\r\n"_ba);
        // A key that changes nothing still saves, and deleting everything stores an empty text.
        pad.pad->text()->clear();
        QTest::keyClick(pad.pad->text(), Qt::Key_Left);
        QTRY_COMPARE(pad.scratch(), "1,\"\"\r\n"_ba);

        // The setting survives a restart with its check mark, and the pad comes back without the animation.
        pad.type(u"persist"_s);
        QTRY_COMPARE(pad.scratch(), "1,\"persist\"\r\n"_ba);
        pad.restart();
        QVERIFY(pad.pad->autosaveOn());
        QVERIFY(pad.pad->menu()->findChild<QAction*>(u"mnuautotextsave"_s)->isChecked());
        QCOMPARE(pad.pad->text()->toPlainText(), u"persist"_s);
        pad.choose("mnuautotextsave");
        QCOMPARE(pad.dir.read(u"autosave.dat"_s), "0,0\r\n"_ba);
        QVERIFY(!pad.pad->autosaveOn());
    }

    void exitAsksOnlyForAnOpenPadWithText()
    {
        Pad pad("1,\"start\"\r\n");
        // Opening the pad again reloads the stored text.
        pad.pad->text()->setPlainText(u"unsaved"_s);
        pad.pad->open();
        QCOMPARE(pad.pad->text()->toPlainText(), u"start"_s);
        pad.pad->text()->setPlainText(u"typed at the end"_s);
        pad.fakes.dialogs.answers = {MessageAnswer::No};
        QVERIFY(pad.pad->exitStep());
        QCOMPARE(
            pad.questions(),
            QStringList{QStringLiteral("Do you wish to save the contents of the Scratch Pad\r\nand open it the next "
                                       "time you run Zendra.")});
        QCOMPARE(pad.fakes.dialogs.messages.first().title, u"Scratch Pad"_s);
        QCOMPARE(pad.scratch(), "0,\"typed at the end\"\r\n"_ba);
        pad.restart();
        QVERIFY(!pad.pad->isOpen());

        // Opened again it is empty, with the animation; at exit an empty or closed pad is not asked about.
        pad.board.widget.show();
        pad.pad->open();
        QVERIFY(pad.pad->text()->toPlainText().isEmpty());
        QVERIFY(pad.pad->animation()->isVisible());
        QVERIFY(pad.pad->exitStep());
        pad.pad->text()->setPlainText(u"yes please"_s);
        pad.fakes.dialogs.answers = {MessageAnswer::Yes};
        QVERIFY(pad.pad->exitStep());
        QCOMPARE(pad.scratch(), "1,\"yes please\"\r\n"_ba);
        pad.choose("mnusaveandclose");
        QVERIFY(pad.pad->exitStep());
        QCOMPARE(pad.fakes.dialogs.messages.size(), 2);

        // Garbage counts as no stored text; a folder that cannot be written keeps the pad open and says so.
        pad.dir.write(kScratch, QByteArray("\xff\x00garbage", 9));
        pad.pad->open();
        QVERIFY(pad.pad->text()->toPlainText().isEmpty());
        pad.pad->text()->setPlainText(u"nowhere to go"_s);
        QVERIFY(QDir(pad.dir.path()).removeRecursively());
        pad.choose("mnusaveandclose");
        QVERIFY(pad.pad->isOpen());
        QVERIFY(pad.questions().last().startsWith(u"Zendra 98 could not save the Scratch Pad"_s));
        QVERIFY(!pad.pad->exitStep());
    }
};

QTEST_MAIN(tst_ScratchPad)
#include "tst_ScratchPad.moc"
