#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "BoardFixture.h"
#include "launch/IconStrip.h"

namespace
{
const QByteArray kMovedIcons = "1000,100\r\n1000,400\r\n1000,700\r\n1000,1000\r\n1000,1300\r\n1000,1600\r\n";

QByteArray shippedDefaults()
{
    QFile file(QStringLiteral(SHIPPED_DATA_DIR "/default.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void loadWithAllIcons(Board& board)
{
    QList<QByteArray> programs;
    for (int i = 1; i <= 10; ++i)
        programs << (i == 3
                         ? QByteArray("\"Empty\",\"\"")
                         : "\"Program " + QByteArray::number(i) + "\",\"/opt/p" + QByteArray::number(i) + " --flag\"");
    board.dir.write(QStringLiteral("options.dat"), optionsWithPrograms(programs));
    board.dir.write(QStringLiteral("icons.dat"), shippedDefaults());
    board.load();
}

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
    void clickStartsEachIconsCommand();
    void rightDragMovesWithoutStarting();
    void myProgramsOpensTheProgramList();
    void defaultPositionsReachIconsDatAtExit();
    void stripSlidesOpenAndParks();
};

void tst_LaunchIcons::clickStartsEachIconsCommand()
{
    Board board;
    loadWithAllIcons(board);
    for (const char* name : {"dialup", "controlp", "picture4", "cal", "np"})
        QTest::mouseClick(board.icon(name), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(board.fakes.shell.ran,
             (QStringList{
                 QStringLiteral("EXPLORER.EXE ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{992CFFA0-F557-101A-88EC-"
                                "00DD010CCC48}"),
                 QStringLiteral("explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-"
                                "08002B30309D}"),
                 QStringLiteral("explorer.exe"),
                 QStringLiteral("calc.exe"),
                 QStringLiteral("notepad.exe"),
             }));

    // While the left button is down the icon sits 10 twips lower and further right; it comes back on release.
    QLabel* cal = board.icon("cal");
    const QPoint rest = cal->pos();
    sendMouse(cal, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(board.form->iconPlaces()[LaunchIconId::Calculator].left, 1720.0F);
    QCOMPARE(board.form->iconPlaces()[LaunchIconId::Calculator].top, 1450.0F);
    QCOMPARE(cal->pos(), rest + QPoint(1, 1));
    sendMouse(cal, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(cal->pos(), rest);
    QCOMPARE(board.form->iconPlaces()[LaunchIconId::Calculator].left, 1710.0F);

    // A double click starts the program once; a release away from the icon starts nothing.
    board.fakes.shell.ran.clear();
    for (const QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        sendMouse(cal, press, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(cal, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    }
    sendMouse(cal, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(cal, QEvent::MouseButtonRelease, {60, 5}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(board.fakes.shell.ran, QStringList{QStringLiteral("calc.exe")});
    QCOMPARE(cal->pos(), rest);
}

void tst_LaunchIcons::rightDragMovesWithoutStarting()
{
    Board board;
    loadWithAllIcons(board);
    QLabel* np = board.icon("np");
    sendMouse(np, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton, Qt::RightButton);
    QCOMPARE(board.form->cursor().shape(), Qt::ClosedHandCursor);
    sendMouse(np, QEvent::MouseButtonRelease, {203, 3}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(board.form->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(board.form->iconPlaces()[LaunchIconId::Notepad].left, 2180.0F);
    QCOMPARE(np->pos(), QPoint(145, 96));

    // Pressed and let go in one place: the icon stays, the click starts nothing, a later left click does.
    rightDrag(np, {4, 4}, {4, 4});
    QCOMPARE(np->pos(), QPoint(145, 96));
    QVERIFY(board.fakes.shell.ran.isEmpty());
    QTest::mouseClick(np, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(board.fakes.shell.ran, QStringList{QStringLiteral("notepad.exe")});

    // A middle press only clears the note highlight; it neither moves nor starts anything.
    QTest::mouseClick(np, Qt::MiddleButton, {}, QPoint(3, 3));
    QCOMPARE(board.fakes.shell.ran.size(), 1);
    QCOMPARE(np->pos(), QPoint(145, 96));
}

void tst_LaunchIcons::myProgramsOpensTheProgramList()
{
    Board board;
    loadWithAllIcons(board);
    QLabel* image1 = board.icon("Image1");
    QMenu* popup = board.form->programPopup();

    // The click that ends a right-button move opens nothing.
    rightDrag(image1, {2, 2}, {40, 2});
    QVERIFY(!popup->isVisible());

    QTest::mouseClick(image1, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(popup->isVisible());
    QVERIFY(board.form->drag().suppressed());
    QCOMPARE(popup->actions().at(0)->text(), QStringLiteral("Program 1"));
    QCOMPARE(popup->actions().at(2)->text(), QStringLiteral("Empty"));
    popup->actions().at(1)->trigger();
    popup->actions().at(2)->trigger();
    QCOMPARE(board.fakes.shell.ran, QStringList{QStringLiteral("/opt/p2 --flag")});
}

void tst_LaunchIcons::defaultPositionsReachIconsDatAtExit()
{
    Board board;
    board.dir.write(QStringLiteral("options.dat"), optionsWith("\"\",0", "1,0,1,1,1,1,1,2"));
    board.dir.write(QStringLiteral("icons.dat"), kMovedIcons);
    board.dir.write(QStringLiteral("default.dat"), shippedDefaults());
    board.load();
    QCOMPARE(board.icon("cal")->pos(), QPoint(87, 67));
    board.action("mnuicondefault")->trigger();
    QCOMPARE(board.icon("cal")->pos(), QPoint(114, 96));
    QCOMPARE(board.dir.read(QStringLiteral("icons.dat")), kMovedIcons);
    board.form->mnuExit_Click();
    QVERIFY(!shippedDefaults().isEmpty());
    QCOMPARE(board.dir.read(QStringLiteral("icons.dat")), shippedDefaults());

    // Icons a short default file does not reach go to the corner; a missing file sends all six there.
    board.dir.write(QStringLiteral("default.dat"), "1440,105\r\n1425,480\r\n");
    board.action("mnuicondefault")->trigger();
    QCOMPARE(board.icon("dialup")->pos(), QPoint(32, 95));
    QCOMPARE(board.icon("controlp")->pos(), QPoint(0, 0));
    QVERIFY(QFile::remove(board.dir.path() + QStringLiteral("/default.dat")));
    board.action("mnuicondefault")->trigger();
    QCOMPARE(board.icon("Image1")->pos(), QPoint(0, 0));
    QVERIFY(board.fakes.dialogs.messages.isEmpty());
}

void tst_LaunchIcons::stripSlidesOpenAndParks()
{
    Board board;
    QVERIFY(QDir(board.dir.path()).mkdir(QStringLiteral("pictures")));
    for (const char* name : {"arrow-left.png", "arrow-right.png"}) {
        QVERIFY(QFile::copy(QStringLiteral(PICTURES_DIR "/") + QString::fromLatin1(name),
                            board.dir.path() + QStringLiteral("/pictures/") + QString::fromLatin1(name)));
    }
    loadWithAllIcons(board);
    IconStrip* strip = board.form->iconStrip();
    auto* arrow = strip->findChild<QLabel*>(QStringLiteral("Image2"));
    const QImage parkedArrow = strip->findChild<QLabel*>(QStringLiteral("Image3"))->pixmap().toImage();
    const QImage openArrow = strip->findChild<QLabel*>(QStringLiteral("Image4"))->pixmap().toImage();
    QVERIFY(parkedArrow != openArrow);
    QCOMPARE(strip->pos(), QPoint(-1, 115));

    const QPoint calCentre = board.icon("cal")->geometry().center();
    QCOMPARE(board.form->childAt(calCentre), board.icon("cal"));
    const double expectedLeft[] = {0, 2235, 0};
    for (const double left : expectedLeft) {
        QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(strip->leftTwips(), left);
        QCOMPARE(strip->topTwips(), 1425.0);
        QCOMPARE(arrow->pixmap().toImage(), left == 0 ? openArrow : parkedArrow);
        // Open, the strip covers the launch icons: a click there reaches the strip, not the calculator.
        QCOMPARE(board.form->childAt(calCentre) == board.icon("cal"), left != 0);
    }
}

QTEST_MAIN(tst_LaunchIcons)
#include "tst_LaunchIcons.moc"
