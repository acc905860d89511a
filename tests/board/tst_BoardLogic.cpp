#include <QTest>

#include "board/BoardDrag.h"
#include "board/BoardGeometry.h"
#include "board/WebLinks.h"
#include "launch/IconDrag.h"
#include "platform/LaunchCommands.h"
#include "platform/WaveInfo.h"

using BoardGeometry::Corner;

class tst_BoardLogic final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dragKeepsTheGrabPointUnderThePointer();
    void pressDoesNotTakeTheGrabPoint();
    void popupMenuStopsDraggingUntilAClick();
    void dockingPlacesTheBoardInEachCorner_data();
    void dockingPlacesTheBoardInEachCorner();
    void volumeStepsBothChannelsWithinRange_data();
    void volumeStepsBothChannelsWithinRange();
    void boardOffEveryScreenComesBackWhole_data();
    void boardOffEveryScreenComesBackWhole();
    void launchCommandsFindTheDesktopsTools_data();
    void launchCommandsFindTheDesktopsTools();
    void waveHeaderGivesThePlayingTime();
    void rightButtonMovesIconsByTheDisplacement_data();
    void rightButtonMovesIconsByTheDisplacement();
    void updatesPageNamesTheVersion_data();
    void updatesPageNamesTheVersion();
};

void tst_BoardLogic::dragKeepsTheGrabPointUnderThePointer()
{
    BoardDrag drag;
    QVERIFY(!drag.mouseMove(Qt::NoButton, {300, 450}, {1500, 1500}));
    const auto moved = drag.mouseMove(Qt::LeftButton, {330, 420}, {1500, 1500});
    QVERIFY(moved);
    QCOMPARE(*moved, QPointF(1530, 1470));
    // The grab point stays where it was taken while the board follows.
    QCOMPARE(drag.grabPoint(), QPointF(300, 450));
    QCOMPARE(*drag.mouseMove(Qt::LeftButton, {300, 450}, *moved), *moved);
    // Any other combination of buttons takes the grab point again and moves nothing.
    QVERIFY(!drag.mouseMove(Qt::LeftButton | Qt::RightButton, {15, 30}, *moved));
    QCOMPARE(drag.grabPoint(), QPointF(15, 30));
    QVERIFY(!drag.mouseMove(Qt::MiddleButton, {45, 60}, *moved));
    QCOMPARE(drag.grabPoint(), QPointF(45, 60));
}

void tst_BoardLogic::pressDoesNotTakeTheGrabPoint()
{
    // The point of the last move before the press counts, even when the press happens elsewhere.
    BoardDrag drag;
    drag.mouseMove(Qt::NoButton, {100, 100}, {0, 0});
    QCOMPARE(*drag.mouseMove(Qt::LeftButton, {400, 100}, {0, 0}), QPointF(300, 0));
}

void tst_BoardLogic::popupMenuStopsDraggingUntilAClick()
{
    BoardDrag drag;
    drag.mouseMove(Qt::NoButton, {0, 0}, {0, 0});
    drag.popupOpened();
    QVERIFY(!drag.mouseMove(Qt::LeftButton, {150, 150}, {0, 0}));
    drag.surfaceClicked();
    QCOMPARE(*drag.mouseMove(Qt::LeftButton, {150, 150}, {0, 0}), QPointF(150, 150));
}

void tst_BoardLogic::dockingPlacesTheBoardInEachCorner_data()
{
    QTest::addColumn<Corner>("corner");
    QTest::addColumn<QRectF>("screen");
    QTest::addColumn<QPointF>("expected");
    const QRectF screen(0, 0, 15360, 11520); // 1024 x 768 pixels
    QTest::newRow("top left") << Corner::TopLeft << screen << QPointF(0, 0);
    QTest::newRow("top right") << Corner::TopRight << screen << QPointF(15360 - 2400, 0);
    QTest::newRow("bottom left, 440 above the lower edge")
        << Corner::BottomLeft << screen << QPointF(0, 11520 - 1800 - 440);
    QTest::newRow("bottom right") << Corner::BottomRight << screen << QPointF(12960, 9280);
    QTest::newRow("a primary screen right of another")
        << Corner::BottomRight << QRectF(28800, 0, 15360, 11520) << QPointF(28800 + 12960, 9280);
}

void tst_BoardLogic::dockingPlacesTheBoardInEachCorner()
{
    QFETCH(Corner, corner);
    QFETCH(QRectF, screen);
    QFETCH(QPointF, expected);
    QCOMPARE(BoardGeometry::dockedPosition(corner, screen, {2400, 1800}), expected);
}

void tst_BoardLogic::volumeStepsBothChannelsWithinRange_data()
{
    QTest::addColumn<quint32>("volume");
    QTest::addColumn<int>("delta");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("down from full") << 0xFFFFFFFFU << -4095 << ((61440U << 16) | 61440U);
    QTest::newRow("up again to full") << ((61440U << 16) | 61440U) << 4095 << 0xFFFFFFFFU;
    QTest::newRow("up stops at full") << ((65000U << 16) | 65535U) << 4095 << 0xFFFFFFFFU;
    QTest::newRow("down stops at silence") << ((100U << 16) | 5000U) << -4095 << 905U;
    QTest::newRow("channels move separately") << ((1000U << 16) | 30000U) << 4095 << ((5095U << 16) | 34095U);
}

void tst_BoardLogic::volumeStepsBothChannelsWithinRange()
{
    QFETCH(quint32, volume);
    QFETCH(int, delta);
    QFETCH(quint32, expected);
    QCOMPARE(VolumeStep::apply(volume, delta), expected);
}

void tst_BoardLogic::boardOffEveryScreenComesBackWhole_data()
{
    QTest::addColumn<QRect>("board");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("on screen stays") << QRect(304, 8, 160, 120) << QPoint(304, 8);
    QTest::newRow("on the second screen stays") << QRect(1100, 100, 160, 120) << QPoint(1100, 100);
    QTest::newRow("where a removed monitor was") << QRect(3000, 100, 160, 120) << QPoint(1024 - 160, 100);
    QTest::newRow("below the primary screen") << QRect(200, 5000, 160, 120) << QPoint(200, 768 - 120);
}

void tst_BoardLogic::boardOffEveryScreenComesBackWhole()
{
    QFETCH(QRect, board);
    QFETCH(QPoint, expected);
    const QRect primary(0, 0, 1024, 768);
    const QList<QRect> screens{primary, QRect(1024, 0, 800, 600)};
    QCOMPARE(BoardGeometry::visiblePlacement(board, screens, primary), expected);
}

void tst_BoardLogic::launchCommandsFindTheDesktopsTools_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("expected");
    const QString dialUp = QStringLiteral(
        "EXPLORER.EXE ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{992CFFA0-F557-101A-88EC-00DD010CCC48}");
    QTest::newRow("calculator: the first one installed")
        << QStringLiteral("calc.exe") << QStringList{QStringLiteral("xcalc"), QStringLiteral("kcalc")}
        << QStringList{QStringLiteral("/usr/bin/kcalc")};
    QTest::newRow("notepad: nothing installed starts nothing")
        << QStringLiteral("notepad.exe") << QStringList{} << QStringList{};
    QTest::newRow("dial-up, upper case, falls back to the network panel")
        << dialUp << QStringList{QStringLiteral("gnome-control-center")}
        << QStringList{QStringLiteral("/usr/bin/gnome-control-center"), QStringLiteral("network")};
    QTest::newRow("any other command line runs as it stands")
        << QStringLiteral("gimp \"/home/user/my picture.png\"") << QStringList{QStringLiteral("gimp")}
        << QStringList{QStringLiteral("/usr/bin/gimp"), QStringLiteral("/home/user/my picture.png")};
    QTest::newRow("a program path with spaces starts whole")
        << QStringLiteral("/opt/My Games/solitaire") << QStringList{QStringLiteral("/opt/My Games/solitaire")}
        << QStringList{QStringLiteral("/opt/My Games/solitaire")};
    QTest::newRow("an empty path") << QString() << QStringList{} << QStringList{};
}

void tst_BoardLogic::launchCommandsFindTheDesktopsTools()
{
    QFETCH(QString, command);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, expected);
    const auto find = [&](const QString& name) {
        if (!installed.contains(name))
            return QString();
        return name.startsWith(u'/') ? name : QStringLiteral("/usr/bin/") + name;
    };
    QCOMPARE(LaunchCommands::resolve(command, find, QStringLiteral("/home/user")), expected);
}

void tst_BoardLogic::waveHeaderGivesThePlayingTime()
{
    // 16-bit stereo at 44100 Hz: 176400 bytes a second; a LIST chunk stands before the data.
    QByteArray wave("RIFF\0\0\0\0WAVE", 12);
    wave += QByteArray("fmt \x10\0\0\0\x01\0\x02\0\x44\xAC\0\0\x10\xB1\x02\0\x04\0\x10\0", 24);
    wave += QByteArray("LIST\x03\0\0\0abc\0", 12);
    wave += QByteArray("data\x20\x62\x05\0", 8); // 352800 bytes: two seconds
    QCOMPARE(WaveInfo::durationMs(wave), std::optional<qint64>(2000));
    QVERIFY(!WaveInfo::durationMs(QByteArray("RIFF\0\0\0\0AVI ", 12)));
    QVERIFY(!WaveInfo::durationMs(wave.left(30)));
}

void tst_BoardLogic::rightButtonMovesIconsByTheDisplacement_data()
{
    QTest::addColumn<QPointF>("place"); // left, top
    QTest::addColumn<QPointF>("pressed");
    QTest::addColumn<QPointF>("released");
    QTest::addColumn<float>("highestTop");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("np 3000 to the right stops at 2180")
        << QPointF(2055, 1440) << QPointF(100, 100) << QPointF(3100, 100) << 1620.0F << QPointF(2180, 1440);
    QTest::newRow("np 3000 upwards stops at 0")
        << QPointF(2055, 1440) << QPointF(100, 100) << QPointF(100, -2900) << 1620.0F << QPointF(2055, 0);
    QTest::newRow("picture4 downwards stops at 1580")
        << QPointF(1350, 1440) << QPointF(50, 50) << QPointF(50, 650) << 1580.0F << QPointF(1350, 1580);
    QTest::newRow("controlp downwards stops at 1620")
        << QPointF(825, 1440) << QPointF(50, 50) << QPointF(50, 650) << 1620.0F << QPointF(825, 1620);
    QTest::newRow("left and up within the board, exactly")
        << QPointF(825, 1440) << QPointF(120, 90) << QPointF(-285, -510) << 1620.0F << QPointF(420, 840);
    // A bound holds only on the side the icon moved to: an icon already past it stays past it.
    QTest::newRow("moving left from beyond 2180 keeps the excess")
        << QPointF(2300, 1700) << QPointF(100, 100) << QPointF(85, 90) << 1620.0F << QPointF(2285, 1690);
    QTest::newRow("press and release in one place moves nothing")
        << QPointF(1710, 1440) << QPointF(75, 45) << QPointF(75, 45) << 1620.0F << QPointF(1710, 1440);
}

void tst_BoardLogic::rightButtonMovesIconsByTheDisplacement()
{
    QFETCH(QPointF, place);
    QFETCH(QPointF, pressed);
    QFETCH(QPointF, released);
    QFETCH(float, highestTop);
    QFETCH(QPointF, expected);
    IconDrag drag;
    const IconPlace start{static_cast<float>(place.y()), static_cast<float>(place.x())};
    const IconPlace held = drag.press(Qt::RightButton, pressed, start);
    QCOMPARE(held.left, start.left);
    QCOMPARE(held.top, start.top);
    const IconPlace end = drag.release(Qt::RightButton, released, held, highestTop);
    QCOMPARE(QPointF(end.left, end.top), expected);
    QVERIFY(!drag.clickLaunches());
}

void tst_BoardLogic::updatesPageNamesTheVersion_data()
{
    QTest::addColumn<QList<int>>("version");
    QTest::addColumn<QString>("page");
    QTest::newRow("this version") << QList<int>{1, 5, 0} << QStringLiteral("/zendra/updates/1.50.html");
    QTest::newRow("minor 0, revision 5") << QList<int>{1, 0, 5} << QStringLiteral("/zendra/updates/1.05.html");
    QTest::newRow("major 2, minor 1") << QList<int>{2, 1, 0} << QStringLiteral("/zendra/updates/2.10.html");
}

void tst_BoardLogic::updatesPageNamesTheVersion()
{
    QFETCH(QList<int>, version);
    QFETCH(QString, page);
    const QUrl url = WebLinks::updatesPage(version[0], version[1], version[2]);
    QCOMPARE(url.path(), page);
    QCOMPARE(url.host(), WebLinks::makerHome().host());
    QVERIFY(url.host().endsWith(QStringLiteral(".example")));
}

QTEST_APPLESS_MAIN(tst_BoardLogic)
#include "tst_BoardLogic.moc"
