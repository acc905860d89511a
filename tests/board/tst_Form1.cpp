#include <memory>

#include "BoardFixture.h"
#include "FileSizeLimit.h"
#include "TestSupport.h"
#include "core/ShippedPicture.h"
#include "email/MailController.h"
#include "email/MailIndicator.h"
#include "notes/NoteSlots.h"
#include "scratch/PadText.h"
#include "scratch/ScratchPad.h"

using TrayCalls = QList<FakeTray::Call>;

namespace
{
const QString kMailPictureError = QStringLiteral(
    "There was an error reading the email graphic file. Please check to ensure that there is a vaild 'email.gif' "
    "file in the Zendra 98 directory.");

const QByteArray kIcons = "1440,105\r\n1425,480\r\n1440,825\r\n1440,1350\r\n1430,1717\r\n1440,2055\r\n";

} // namespace

class tst_Form1 final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startWithoutAnyFile()
    {
        Board board;
        board.load(false);
        QCOMPARE(board.fakes.dialogs.messages.size(), 1);
        const MessageRequest& message = board.fakes.dialogs.messages.first();
        QCOMPARE(message.text, kMailPictureError);
        QCOMPARE(message.title, QString());
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.buttons, MessageButtons::Ok);

        QCOMPARE(board.form->pos(), QPoint(0, 0));
        QCOMPARE(board.form->size(), QSize(160, 120));
        // The window's icon offers each drawn size, read from its file when asked: a size in between is the next
        // larger drawing scaled down, a larger one the largest drawing as it is.
        QCOMPARE(board.form->windowIcon().availableSizes().size(), 7);
        const QString file48 = QStringLiteral(PICTURES_DIR "/zendra98-48.png");
        const QString file16 = QStringLiteral(PICTURES_DIR "/zendra98-16.png");
        const QIcon icon = ShippedPicture::icon({{48, file48}, {16, file16}});
        const QImage drawn48 = QImage(file48).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const auto drawing = [&icon](int side) {
            return icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        QCOMPARE(drawing(48), drawn48);
        QCOMPARE(drawing(40), drawn48.scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        QCOMPARE(drawing(100), drawn48);
        QCOMPARE(drawing(16), QImage(file16).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QCOMPARE(board.form->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(!board.form->isOnTop());
        QVERIFY(!board.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        for (const char* name : {"Image1", "dialup", "controlp", "picture4", "cal", "np"})
            QVERIFY2(!board.icon(name)->isVisible(), name);
        QVERIFY(board.fakes.tray.calls.isEmpty());
        QVERIFY(!board.icon("emailpic")->isVisible());
        QVERIFY(board.dir.snapshot().isEmpty());
    }

    void startFromStoredFilesAndExitStoresThemExactly()
    {
        Board board;
        const QByteArray options = optionsWith("\"\",0", "1,255,1,1,1,2,0,3");
        board.dir.write(u"position.dat"_s, "1,4560,120\r\n");
        board.dir.write(u"options.dat"_s, options);
        board.dir.write(u"icons.dat"_s, kIcons);
        board.dir.write(u"scratch.dat"_s, "0,\"kept\"\r\n");
        board.load();
        QVERIFY(board.fakes.dialogs.messages.isEmpty());
        QCOMPARE(board.form->pos(), QPoint(304, 8));
        QVERIFY(board.action("mnuontop")->isChecked());
        QVERIFY(board.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Tray mode 3 with the board on top: no tray icon.
        QCOMPARE(board.fakes.tray.calls, TrayCalls{FakeTray::Call::Remove});
        QCOMPARE(board.form->palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(board.icon("dialup")->isVisible());
        QVERIFY(!board.icon("cal")->isVisible());
        QCOMPARE(board.icon("dialup")->pos(), QPoint(32, 95));

        const auto files = board.dir.snapshot();
        QSignalSpy exited(board.form.get(), &Form1::exitRequested);
        board.form->mnuExit_Click();
        QCOMPARE(exited.size(), 1);
        QCOMPARE(board.fakes.tray.calls, (TrayCalls{FakeTray::Call::Remove, FakeTray::Call::Remove}));
        QCOMPARE(board.dir.snapshot(), files);
        QVERIFY(board.fakes.dialogs.messages.isEmpty());
    }

    void onTopToggleRewritesOnlyTheFlag()
    {
        Board board;
        board.dir.write(u"options.dat"_s, optionsWith("\"\",0", "1,0,1,1,1,1,1,3"));
        board.dir.write(u"position.dat"_s, "0,4560,120\r\n");
        board.load();
        board.form->moveToTwips({900, 900});

        board.form->mnuontop_Click();
        QVERIFY(board.form->isOnTop());
        QVERIFY(board.form->isVisible());
        QVERIFY(board.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(board.form->pos(), QPoint(60, 60));
        QCOMPARE(board.dir.read(u"position.dat"_s), "1,4560,120\r\n"_ba);

        board.form->mnuontop_Click();
        QVERIFY(!board.form->isOnTop());
        QVERIFY(!board.action("mnuontop")->isChecked());
        QCOMPARE(board.dir.read(u"position.dat"_s), "0,4560,120\r\n"_ba);
        // In tray mode 3 the icon shows exactly while the board is not on top.
        using Call = FakeTray::Call;
        QCOMPARE(board.fakes.tray.calls, (TrayCalls{Call::Add, Call::Remove, Call::Add}));
        QCOMPARE(board.fakes.tray.tooltip, u"Zendra 98"_s);

        // Without a position file the flag is still stored; in another tray mode the toggle leaves the tray alone.
        QFile::remove(board.dir.path() + u"/position.dat"_s);
        board.dir.write(u"options.dat"_s, optionsWith("\"\",0", "1,0,1,1,1,1,1,1"));
        board.action("mnuontop")->trigger();
        QCOMPARE(board.dir.read(u"position.dat"_s), "1,0,0\r\n"_ba);
        QCOMPARE(board.fakes.tray.calls.size(), 3);
    }

    void exitOnAFullDiskSaysSoAndKeepsTheFiles()
    {
        Board board;
        board.dir.write(u"position.dat"_s, "1,4560,120\r\n");
        board.dir.write(u"icons.dat"_s, kIcons);
        board.load();
        board.form->moveToTwips({1500, 1500});
        QSignalSpy exited(board.form.get(), &Form1::exitRequested);
        {
            const FileSizeLimit full(4);
            // While the message is open, "Exit" chosen again from the board or tray menu does nothing.
            board.fakes.dialogs.whileOpen = [&] { board.action("mnuExit")->trigger(); };
            board.form->mnuExit_Click();
        }
        QCOMPARE(exited.size(), 1);
        QCOMPARE(board.fakes.dialogs.messages.size(), 1);
        QVERIFY(board.fakes.dialogs.messages.first().text.contains(u"position.dat"_s));
        QVERIFY(board.fakes.dialogs.messages.first().text.contains(u"icons.dat"_s));
        QCOMPARE(board.dir.read(u"position.dat"_s), "1,4560,120\r\n"_ba);
        QCOMPARE(board.dir.read(u"icons.dat"_s), kIcons);
    }

    void sessionEndStoresAsExitOnceWithoutAsking()
    {
        Board board;
        // A board not loaded yet has nothing of its own to store.
        board.form = std::make_unique<Form1>(board.fakes.platform, board.dir.dataDir());
        board.form->sessionEnding();
        QVERIFY(board.dir.snapshot().isEmpty());

        board.dir.write(u"icons.dat"_s, kIcons);
        board.load();
        board.form->moveToTwips({1500, 1500});
        board.features.scratch->open();
        board.features.scratch->text()->setPlainText(u"jotted"_s);
        board.form->sessionEnding();
        QCOMPARE(board.dir.read(u"position.dat"_s), "0,1500,1500\r\n"_ba);
        QCOMPARE(board.dir.read(u"scratch.dat"_s), "1,\"jotted\"\r\n"_ba);
        QCOMPARE(board.dir.read(u"icons.dat"_s), kIcons);
        QVERIFY(board.fakes.dialogs.messages.isEmpty());

        // The quit that follows the session's end stores nothing more.
        board.form->moveToTwips({3000, 3000});
        board.form->sessionEnding();
        QCOMPARE(board.dir.read(u"position.dat"_s), "0,1500,1500\r\n"_ba);

        // Nor does the quit that follows "Exit": the pad stays as its question was answered.
        Board exited;
        exited.load();
        exited.features.scratch->open();
        exited.features.scratch->text()->setPlainText(u"dropped"_s);
        exited.fakes.dialogs.answers << MessageAnswer::No;
        exited.form->mnuExit_Click();
        exited.form->sessionEnding();
        QCOMPARE(exited.dir.read(u"scratch.dat"_s), "0,\"dropped\"\r\n"_ba);
    }

    void dragFollowsThePointerUntilAMenuOpens()
    {
        Board board;
        board.dir.write(u"position.dat"_s, "0,1500,1500\r\n");
        board.load();
        QWidget* form = board.form.get();
        const QPoint start = form->pos();
        const auto drag = [form](QPoint from, QPoint to, bool release) {
            sendMouse(form, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
            sendMouse(form, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
            sendMouse(form, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
            if (release)
                sendMouse(form, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        };
        drag({20, 30}, {30, 35}, true);
        QCOMPARE(form->pos(), start + QPoint(10, 5));
        // Any other combination of buttons moves nothing.
        sendMouse(form, QEvent::MouseMove, {50, 50}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
        QCOMPARE(form->pos(), start + QPoint(10, 5));

        sendMouse(form, QEvent::MouseButtonPress, {50, 50}, Qt::RightButton, Qt::RightButton);
        board.form->boardMenu()->hide();
        drag({20, 30}, {60, 60}, false);
        QCOMPARE(form->pos(), start + QPoint(10, 5));
        // Letting go over the board is a click on its surface: dragging works again.
        sendMouse(form, QEvent::MouseButtonRelease, {60, 60}, Qt::LeftButton, Qt::NoButton);
        drag({20, 30}, {10, 40}, false);
        QCOMPARE(form->pos(), start + QPoint(0, 15));
    }

    void volumeButtonsStepTheMixer()
    {
        Board board;
        board.load();
        // Each channel steps on its own and stops at the ends of its range.
        board.fakes.volume.level = (65000U << 16) | 30000U;
        QTest::mouseClick(board.icon("up"), Qt::LeftButton);
        QCOMPARE(board.fakes.volume.level, (65535U << 16) | 34095U);
        board.fakes.volume.level = (100U << 16) | 5000U;
        QTest::mouseClick(board.icon("down"), Qt::LeftButton);
        QCOMPARE(board.fakes.volume.level, 905U);
        QTest::mouseClick(board.icon("up"), Qt::RightButton);
        QCOMPARE(board.fakes.volume.sets, 2);

        board.fakes.volume.present = false;
        QTest::mouseClick(board.icon("up"), Qt::LeftButton);
        QCOMPARE(board.fakes.volume.sets, 2);
    }

    void mouseOnAControlDoesOnlyWhatTheControlDoes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("boardMoves");
        QTest::addColumn<bool>("menuOpens");
        QTest::addColumn<Qt::CursorShape>("pointerWhileHeld");
        const auto row = [](const char* control, Qt::MouseButton button, bool moves, bool menu, Qt::CursorShape held) {
            QTest::addRow("%s, button %d", control, int(button))
                << QString::fromLatin1(control) << button << moves << menu << held;
        };
        // Only the background picture drags the board and opens its menu, as the surface does.
        row("Picture1", Qt::LeftButton, true, false, Qt::SizeAllCursor);
        row("Picture1", Qt::RightButton, false, true, Qt::ArrowCursor);
        for (const char* control : {"cal", "Image1"}) {
            row(control, Qt::LeftButton, false, false, Qt::ArrowCursor);
            row(control, Qt::RightButton, false, false, Qt::ClosedHandCursor);
        }
        row("cal", Qt::MiddleButton, false, false, Qt::ArrowCursor);
        for (const char* control : {"up", "down", "picIcons", "Image2", "stripButton1", "emailpic", "emailgif"}) {
            row(control, Qt::LeftButton, false, false, Qt::ArrowCursor);
            row(control, Qt::RightButton, false, false, Qt::ArrowCursor);
        }
    }

    void mouseOnAControlDoesOnlyWhatTheControlDoes()
    {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, boardMoves);
        QFETCH(bool, menuOpens);
        QFETCH(Qt::CursorShape, pointerWhileHeld);
        Board board;
        const QString picture = board.dir.path() + u"/back.png"_s;
        QImage image(160, 120, QImage::Format_RGB32);
        image.fill(Qt::cyan);
        QVERIFY(image.save(picture));
        board.dir.write(u"options.dat"_s, optionsWith("\"" + picture.toUtf8() + "\",1", "1,0,1,1,1,1,1,2"));
        board.dir.write(u"position.dat"_s, "0,1500,1500\r\n");
        board.dir.write(u"icons.dat"_s, kIcons);
        board.load();
        board.features.mail->indicator().show();
        auto* widget = board.form->findChild<QWidget*>(control);
        QVERIFY(widget && widget->isVisible());
        const QPoint start = board.form->pos();

        // Press, drag 30 pixels away and let go there: a drag on the board, or a move of a launch icon.
        sendMouse(widget, QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::NoButton);
        sendMouse(widget, QEvent::MouseButtonPress, {2, 2}, button, button);
        QCOMPARE(board.form->boardMenu()->isVisible(), menuOpens);
        QCOMPARE(board.form->cursor().shape(), pointerWhileHeld);
        sendMouse(widget, QEvent::MouseMove, {32, 17}, Qt::NoButton, button);
        QCOMPARE(board.form->pos() != start, boardMoves);
        sendMouse(widget, QEvent::MouseButtonRelease, {32, 17}, button, Qt::NoButton);
        QCOMPARE(board.form->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(board.fakes.shell.ran.isEmpty());
        QCOMPARE(board.fakes.volume.sets, 0);
    }

    void boardStoredOnNoScreenComesUpOnThePrimaryAndDocksInItsCorners()
    {
        Board board;
        const QList<QRect> primaryAndRight{QRect(0, 0, 1000, 700), QRect(1000, 0, 800, 600)};
        const struct
        {
            QList<QRect> screens;
            QByteArray stored;
            QPoint shown;
        } cases[] = {
            // Where a removed monitor was: the nearest place on the primary screen where all of the board shows.
            {primaryAndRight, "0,60000,-3000\r\n", {840, 0}},
            {primaryAndRight, "0,-7500,75000\r\n", {0, 580}},
            // Partly on the primary screen, or on another one, or nothing known of the screens: the stored place.
            {primaryAndRight, "0,14700,10200\r\n", {980, 680}},
            {primaryAndRight, "0,16500,1500\r\n", {1100, 100}},
            {{}, "0,60000,-3000\r\n", {4000, -200}},
        };
        for (const auto& [screens, stored, shown] : cases) {
            board.fakes.screens.screens = screens;
            board.dir.write(u"position.dat"_s, stored);
            board.load();
            QCOMPARE(board.form->pos(), shown);
            QCOMPARE(board.dir.read(u"position.dat"_s), stored);
        }

        // The corners are those of the primary screen, here right of and below another; the bottom ones stand 440
        // twips (29.3 pixels) above its lower edge.
        board.fakes.screens.screens = {QRect(800, 60, 1000, 700), QRect(0, 0, 800, 600)};
        const auto dockedAt = [&](const char* item) {
            board.action(item)->trigger();
            return board.form->pos();
        };
        QCOMPARE(dockedAt("mnutopright"), QPoint(1640, 60));
        QCOMPARE(dockedAt("mnubottomleft"), QPoint(800, 611));
        QCOMPARE(dockedAt("mnubottomright"), QPoint(1640, 611));
        QCOMPARE(dockedAt("mnutopleft"), QPoint(800, 60));
    }

    void screenReaderPressClicksTheControl()
    {
        Board board;
        board.dir.write(u"3.zrn"_s, "\"Buy milk\r\nCall Bob\"\r\n");
        board.load();
        const auto press = [&](const char* control) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(board.icon(control));
            QVERIFY(accessible && accessible->actionInterface());
            QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        // A right-button drag of an icon leaves the drag flag set; a press still starts the program, as a click does.
        sendMouse(board.icon("np"), QEvent::MouseButtonPress, {2, 2}, Qt::RightButton, Qt::RightButton);
        sendMouse(board.icon("np"), QEvent::MouseButtonRelease, {2, 2}, Qt::RightButton, Qt::NoButton);
        press("cal");
        QCOMPARE(board.fakes.shell.ran, QStringList{u"calc.exe"_s});
        board.fakes.volume.level = 0;
        press("up");
        QCOMPARE(board.fakes.volume.level, (4095U << 16) | 4095U);
        press("note3");
        QVERIFY(board.features.notes->isHighlighted(3));
        // The note's first line is what a screen reader reads after its name.
        QCOMPARE(QAccessible::queryAccessibleInterface(board.icon("note3"))->text(QAccessible::Description),
                 u"Buy milk"_s);
    }
};

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
