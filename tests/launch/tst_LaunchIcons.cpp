#include "BoardFixture.h"
#include "TestSupport.h"
#include "launch/IconStrip.h"
#include "launch/LaunchIcons.h"

namespace
{
const QByteArray kMovedIcons = "1000,100\r\n1000,400\r\n1000,700\r\n1000,1000\r\n1000,1300\r\n1000,1600\r\n";

QByteArray shippedDefaults()
{
    QFile file(QStringLiteral(SHIPPED_DATA_DIR "/default.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The launch icons on a fake board, all six shown at their default places, with ten programs in options.dat.
struct Launch
{
    FakePlatform fakes;
    TempDataDir dir;
    FakeBoardSurface board;
    std::unique_ptr<LaunchIcons> icons;

    Launch()
    {
        QVERIFY(QDir(dir.path()).mkdir(u"pictures"_s));
        for (const QString& name : {u"arrow-left.png"_s, u"arrow-right.png"_s})
            dir.copy(QStringLiteral(PICTURES_DIR "/") + name, u"pictures/"_s + name);
        QList<QByteArray> programs;
        for (int i = 1; i <= 10; ++i)
            programs << (i == 3 ? "\"Empty\",\"\""_ba
                                : "\"Program " + QByteArray::number(i) + "\",\"/opt/p" + QByteArray::number(i) +
                                      " --flag\"");
        dir.write(u"options.dat"_s, optionsWithPrograms(programs));
        dir.copy(QStringLiteral(SHIPPED_DATA_DIR "/default.dat"));
        icons = std::make_unique<LaunchIcons>(fakes.platform, dir.dataDir(), board);
        icons->mnuicondefault_Click();
        for (QLabel* label : board.widget.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            label->show();
        board.widget.show();
    }
    QLabel* icon(const char* name) const { return board.widget.findChild<QLabel*>(QString::fromLatin1(name)); }
    IconPlace place(LaunchIconId id) const { return icons->iconPlaces()[id]; }
};

void rightDrag(QLabel* icon, QPoint from, QPoint to)
{
    sendMouse(icon, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::RightButton);
    sendMouse(icon, QEvent::MouseButtonRelease, to, Qt::RightButton, Qt::NoButton);
}
} // namespace

class tst_LaunchIcons final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickStartsEachIconsCommand()
    {
        Launch launch;
        for (const char* name : {"dialup", "controlp", "picture4", "cal", "np"})
            QTest::mouseClick(launch.icon(name), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(launch.fakes.shell.ran.join(u'|'),
                 u"EXPLORER.EXE ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{992CFFA0-F557-101A-88EC-00DD010CCC48}|"
                 u"explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-08002B30309D}|"
                 u"explorer.exe|calc.exe|notepad.exe"_s);
        QCOMPARE(launch.board.controlTouches, 5);

        // While the left button is down the icon sits 10 twips lower and further right; it comes back on release.
        QLabel* cal = launch.icon("cal");
        const QPoint rest = cal->pos();
        sendMouse(cal, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(launch.place(LaunchIconId::Calculator).left, 1720.0F);
        QCOMPARE(launch.place(LaunchIconId::Calculator).top, 1450.0F);
        QCOMPARE(cal->pos(), rest + QPoint(1, 1));
        sendMouse(cal, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(cal->pos(), rest);
        QCOMPARE(launch.place(LaunchIconId::Calculator).left, 1710.0F);

        // A double click starts the program once; a release away from the icon starts nothing.
        launch.fakes.shell.ran.clear();
        for (const QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
            sendMouse(cal, press, {5, 5}, Qt::LeftButton, Qt::LeftButton);
            sendMouse(cal, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        }
        sendMouse(cal, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(cal, QEvent::MouseButtonRelease, {60, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(launch.fakes.shell.ran, QStringList{u"calc.exe"_s});
        QCOMPARE(cal->pos(), rest);
    }

    void rightDragMovesWithoutStarting()
    {
        Launch launch;
        QLabel* np = launch.icon("np");
        sendMouse(np, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton, Qt::RightButton);
        QCOMPARE(launch.board.pointer, Qt::ClosedHandCursor);
        sendMouse(np, QEvent::MouseButtonRelease, {203, -300}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(launch.board.pointer, Qt::ArrowCursor);
        QCOMPARE(launch.place(LaunchIconId::Notepad).left, 2180.0F);
        QCOMPARE(launch.place(LaunchIconId::Notepad).top, 0.0F);
        QCOMPARE(np->pos(), QPoint(145, 0));
        // Downwards the bound depends on the icon.
        rightDrag(np, {3, 3}, {3, 303});
        QCOMPARE(launch.place(LaunchIconId::Notepad).top, 1620.0F);
        rightDrag(launch.icon("picture4"), {3, 3}, {3, 303});
        QCOMPARE(launch.place(LaunchIconId::Explorer).top, 1580.0F);
        // Within the bounds the icon moves by the pointer's displacement.
        rightDrag(np, {3, 3}, {-97, -17});
        QCOMPARE(launch.place(LaunchIconId::Notepad).left, 680.0F);
        QCOMPARE(launch.place(LaunchIconId::Notepad).top, 1320.0F);

        // Pressed and let go in one place: the icon stays, the click starts nothing, a later left click does.
        rightDrag(np, {4, 4}, {4, 4});
        QCOMPARE(launch.place(LaunchIconId::Notepad).top, 1320.0F);
        QVERIFY(launch.fakes.shell.ran.isEmpty());
        QTest::mouseClick(np, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(launch.fakes.shell.ran, QStringList{u"notepad.exe"_s});

        // A middle press only clears the note highlight; it neither moves nor starts anything.
        const int clears = launch.board.controlTouches;
        QTest::mouseClick(np, Qt::MiddleButton, {}, QPoint(3, 3));
        QCOMPARE(launch.fakes.shell.ran.size(), 1);
        QCOMPARE(launch.board.controlTouches, clears + 1);
        QCOMPARE(launch.place(LaunchIconId::Notepad).top, 1320.0F);
    }

    void myProgramsOpensTheProgramList()
    {
        Launch launch;
        QLabel* image1 = launch.icon("Image1");
        QMenu* popup = launch.icons->programPopup();
        launch.board.pointerAt = QPoint(300, 200);

        // The click that ends a right-button move opens nothing.
        rightDrag(image1, {2, 2}, {40, 2});
        QVERIFY(launch.board.popups.isEmpty());

        QTest::mouseClick(image1, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(launch.board.popups.size(), 1);
        QCOMPARE(launch.board.popups.first().first, popup);
        QCOMPARE(launch.board.popups.first().second, QPoint(300, 200));
        QVERIFY(launch.board.dragSuppressed);
        QCOMPARE(popup->actions().at(0)->text(), u"Program 1"_s);
        QCOMPARE(popup->actions().at(2)->text(), u"Empty"_s);
        popup->actions().at(1)->trigger();
        popup->actions().at(2)->trigger();
        QCOMPARE(launch.fakes.shell.ran, QStringList{u"/opt/p2 --flag"_s});
    }

    void defaultPositionsAndTheSavedFile()
    {
        Launch launch;
        IconPositions moved;
        launch.dir.write(u"icons.dat"_s, kMovedIcons);
        QVERIFY(moved.read(launch.dir.dataDir(), u"icons.dat"_s));
        launch.icons->placeIcons(moved);
        QCOMPARE(launch.icon("cal")->pos(), QPoint(87, 67));
        launch.icons->mnuicondefault_Click();
        QCOMPARE(launch.icon("cal")->pos(), QPoint(114, 96));
        QCOMPARE(launch.dir.read(u"icons.dat"_s), kMovedIcons);
        QVERIFY(launch.icons->iconpossave());
        QVERIFY(!shippedDefaults().isEmpty());
        QCOMPARE(launch.dir.read(u"icons.dat"_s), shippedDefaults());

        // Icons a short default file does not reach go to the corner; a missing file sends all six there.
        launch.dir.write(u"default.dat"_s, "1440,105\r\n1425,480\r\n");
        launch.icons->mnuicondefault_Click();
        QCOMPARE(launch.icon("dialup")->pos(), QPoint(32, 95));
        QCOMPARE(launch.icon("controlp")->pos(), QPoint(0, 0));
        QVERIFY(QFile::remove(launch.dir.path() + u"/default.dat"_s));
        launch.icons->mnuicondefault_Click();
        QCOMPARE(launch.icon("Image1")->pos(), QPoint(0, 0));
        QVERIFY(launch.fakes.dialogs.messages.isEmpty());
    }

    void stripSlidesOpenAndParks()
    {
        Launch launch;
        IconStrip* strip = launch.icons->iconStrip();
        auto* arrow = strip->findChild<QLabel*>(u"Image2"_s);
        const QImage parkedArrow = strip->findChild<QLabel*>(u"Image3"_s)->pixmap().toImage();
        const QImage openArrow = strip->findChild<QLabel*>(u"Image4"_s)->pixmap().toImage();
        QVERIFY(parkedArrow != openArrow);
        QCOMPARE(strip->pos(), QPoint(-1, 115));

        const QPoint calCentre = launch.icon("cal")->geometry().center();
        QCOMPARE(launch.board.widget.childAt(calCentre), launch.icon("cal"));
        const double expectedLeft[] = {0, 2235, 0};
        for (const double left : expectedLeft) {
            QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(strip->leftTwips(), left);
            QCOMPARE(strip->topTwips(), 1425.0);
            QCOMPARE(arrow->pixmap().toImage(), left == 0 ? openArrow : parkedArrow);
            // Open, the strip covers the launch icons: a click there reaches the strip, not the calculator.
            QCOMPARE(launch.board.widget.childAt(calCentre) == launch.icon("cal"), left != 0);
        }
        // A right click on the arrow moves nothing.
        QTest::mouseClick(arrow, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(strip->leftTwips(), 0.0);
    }
};

QTEST_MAIN(tst_LaunchIcons)
#include "tst_LaunchIcons.moc"
