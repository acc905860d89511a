#include "TestSupport.h"
#include "app/StartupFiles.h"
#include "scratch/PadAnimation.h"
#include "scratch/PadText.h"
#include "scratch/ScratchFiles.h"
#include "scratch/ScratchPad.h"

namespace
{
const QString kScratch = QStringLiteral("scratch.dat");

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
            dir.write(QStringLiteral("autosave.dat"), autosave);
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

void rightClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(5, 5));
}
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
        pad.type(QStringLiteral("a"));
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
        QTest::newRow("x, answered Yes") << QStringLiteral("x yes") << QStringLiteral("keep me")
                                         << QByteArray("1,\"keep me\"\r\n") << true;
        QTest::newRow("x, answered No") << QStringLiteral("x no") << QStringLiteral("drop me")
                                        << QByteArray("0,\"\"\r\n") << false;
        QTest::newRow("x on an empty pad asks and writes nothing")
            << QStringLiteral("x yes") << QString() << before << true;
        QTest::newRow("Save and Close") << QStringLiteral("mnusaveandclose") << QStringLiteral("a\nb")
                                        << QByteArray("1,\"a\r\nb\"\r\n") << true;
        QTest::newRow("Close") << QStringLiteral("mnuclose") << QStringLiteral("gone") << QByteArray("0,\"\"\r\n")
                               << false;
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
            pad.fakes.dialogs.answers = {how.endsWith(QStringLiteral("yes")) ? MessageAnswer::Yes : MessageAnswer::No};
            pad.pad->sclose_Click();
            QCOMPARE(pad.questions(),
                     typed.isEmpty()
                         ? QStringList()
                         : QStringList{QStringLiteral("Do you wish to save the contents of the Scratch Pad?")});
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
        pad.type(QStringLiteral("off"));
        QTest::qWait(10);
        QVERIFY(!pad.dir.exists(kScratch));

        pad.choose("mnuautotextsave");
        QCOMPARE(pad.dir.read(QStringLiteral("autosave.dat")), QByteArray("1,1\r\n"));
        pad.pad->text()->setPlainText(QStringLiteral("left"));
        QTest::mouseClick(pad.pad->text()->viewport(), Qt::LeftButton);
        QTest::qWait(10);
        QVERIFY(!pad.dir.exists(kScratch));
        rightClick(pad.pad->text()->viewport());
        QTRY_COMPARE(pad.scratch(), QByteArray("1,\"left\"\r\n"));
        // A key that changes nothing still saves, and deleting everything stores an empty text.
        pad.pad->text()->clear();
        QTest::keyClick(pad.pad->text(), Qt::Key_Left);
        QTRY_COMPARE(pad.scratch(), QByteArray("1,\"\"\r\n"));

        // The setting survives a restart with its check mark, and the pad comes back without the animation.
        pad.type(QStringLiteral("persist"));
        QTRY_COMPARE(pad.scratch(), QByteArray("1,\"persist\"\r\n"));
        pad.restart();
        QVERIFY(pad.pad->autosaveOn());
        QVERIFY(pad.pad->menu()->findChild<QAction*>(QStringLiteral("mnuautotextsave"))->isChecked());
        QCOMPARE(pad.pad->text()->toPlainText(), QStringLiteral("persist"));
        pad.choose("mnuautotextsave");
        QCOMPARE(pad.dir.read(QStringLiteral("autosave.dat")), QByteArray("0,0\r\n"));
        QVERIFY(!pad.pad->autosaveOn());
    }

    void exitAsksOnlyForAnOpenPadWithText()
    {
        Pad pad("1,\"start\"\r\n");
        pad.pad->text()->setPlainText(QStringLiteral("typed at the end"));
        pad.fakes.dialogs.answers = {MessageAnswer::No};
        QVERIFY(pad.pad->exitStep());
        QCOMPARE(
            pad.questions(),
            QStringList{QStringLiteral("Do you wish to save the contents of the Scratch Pad\r\nand open it the next "
                                       "time you run Zendra.")});
        QCOMPARE(pad.fakes.dialogs.messages.first().title, QStringLiteral("Scratch Pad"));
        QCOMPARE(pad.scratch(), QByteArray("0,\"typed at the end\"\r\n"));
        pad.restart();
        QVERIFY(!pad.pad->isOpen());

        // Opened again it is empty, with the animation; at exit an empty or closed pad is not asked about.
        pad.board.widget.show();
        pad.pad->open();
        QVERIFY(pad.pad->text()->toPlainText().isEmpty());
        QVERIFY(pad.pad->animation()->isVisible());
        QVERIFY(pad.pad->exitStep());
        pad.pad->text()->setPlainText(QStringLiteral("yes please"));
        pad.fakes.dialogs.answers = {MessageAnswer::Yes};
        QVERIFY(pad.pad->exitStep());
        QCOMPARE(pad.scratch(), QByteArray("1,\"yes please\"\r\n"));
        pad.choose("mnusaveandclose");
        QVERIFY(pad.pad->exitStep());
        QCOMPARE(pad.fakes.dialogs.messages.size(), 2);
    }

    void openingAgainReloadsTheStoredText()
    {
        Pad pad("1,\"stored\"\r\n");
        pad.pad->text()->setPlainText(QStringLiteral("unsaved"));
        pad.pad->open();
        QCOMPARE(pad.pad->text()->toPlainText(), QStringLiteral("stored"));

        // Garbage counts as no stored text; a folder that cannot be written keeps the pad open and says so.
        pad.dir.write(kScratch, QByteArray("\xff\x00garbage", 9));
        pad.pad->open();
        QVERIFY(pad.pad->text()->toPlainText().isEmpty());
        pad.pad->text()->setPlainText(QStringLiteral("nowhere to go"));
        QVERIFY(QDir(pad.dir.path()).removeRecursively());
        pad.choose("mnusaveandclose");
        QVERIFY(pad.pad->isOpen());
        QVERIFY(pad.questions().last().startsWith(QStringLiteral("Zendra 98 could not save the Scratch Pad")));
        QVERIFY(!pad.pad->exitStep());
    }
};

QTEST_MAIN(tst_ScratchPad)
#include "tst_ScratchPad.moc"
