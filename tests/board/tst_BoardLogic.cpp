#include "TestSupport.h"
#include "board/BoardDrag.h"
#include "board/BoardGeometry.h"
#include "launch/IconDrag.h"
#include "platform/LaunchCommands.h"

class tst_BoardLogic final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dragKeepsTheGrabPointUntilAPopupMenu()
    {
        BoardDrag drag;
        QVERIFY(!drag.mouseMove(Qt::NoButton, {300, 450}, {1500, 1500}));
        const auto moved = drag.mouseMove(Qt::LeftButton, {330, 420}, {1500, 1500});
        QCOMPARE(moved, std::optional<QPointF>(QPointF(1530, 1470)));
        // The grab point stays where it was taken while the board follows.
        QCOMPARE(*drag.mouseMove(Qt::LeftButton, {300, 450}, *moved), *moved);
        // Any other combination of buttons takes the grab point again and moves nothing.
        QVERIFY(!drag.mouseMove(Qt::LeftButton | Qt::RightButton, {15, 30}, *moved));

        // After a popup menu only a click on the board lets the left button drag again.
        drag.popupOpened();
        QVERIFY(!drag.mouseMove(Qt::LeftButton, {150, 150}, {0, 0}));
        drag.surfaceClicked();
        QCOMPARE(*drag.mouseMove(Qt::LeftButton, {150, 150}, {0, 0}), QPointF(135, 120));
    }

    void boardOffEveryScreenComesBackWhole()
    {
        const QRect primary(0, 0, 1024, 768);
        const QList<QRect> screens{primary, QRect(1024, 0, 800, 600)};
        const auto placed = [&](QRect board) { return BoardGeometry::visiblePlacement(board, screens, primary); };
        QCOMPARE(placed({1000, 700, 160, 120}), QPoint(1000, 700)); // partly on the primary screen
        QCOMPARE(placed({1100, 100, 160, 120}), QPoint(1100, 100));
        // Where a removed monitor was: the nearest place on the primary screen where all of the board shows.
        QCOMPARE(placed({3000, -400, 160, 120}), QPoint(1024 - 160, 0));
        QCOMPARE(placed({-500, 5000, 160, 120}), QPoint(0, 768 - 120));
        // Nothing known of the screens: the stored place stands.
        QCOMPARE(BoardGeometry::visiblePlacement({3000, 100, 160, 120}, {}, QRect()), QPoint(3000, 100));
    }

    void launchCommandsFindTheDesktopsTools_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("expected");
        const QString dialUp = QStringLiteral(
            "EXPLORER.EXE ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{992CFFA0-F557-101A-88EC-00DD010CCC48}");
        QTest::newRow("calculator: the first one installed")
            << QStringLiteral("calc.exe") << QStringList{QStringLiteral("xcalc"), QStringLiteral("kcalc")}
            << QStringList{QStringLiteral("/usr/bin/kcalc")};
        QTest::newRow("dial-up, upper case, falls back to the network panel")
            << dialUp << QStringList{QStringLiteral("gnome-control-center")}
            << QStringList{QStringLiteral("/usr/bin/gnome-control-center"), QStringLiteral("network")};
        QTest::newRow("any other command line runs as it stands")
            << QStringLiteral("gimp \"/home/user/my picture.png\"") << QStringList{QStringLiteral("gimp")}
            << QStringList{QStringLiteral("/usr/bin/gimp"), QStringLiteral("/home/user/my picture.png")};
        QTest::newRow("a program path with spaces starts whole")
            << QStringLiteral("/opt/My Games/solitaire") << QStringList{QStringLiteral("/opt/My Games/solitaire")}
            << QStringList{QStringLiteral("/opt/My Games/solitaire")};
        QTest::newRow("a program not installed starts nothing")
            << QStringLiteral("gimp picture.png") << QStringList{} << QStringList{};
        QTest::newRow("an empty path") << QString() << QStringList{} << QStringList{};
    }

    void launchCommandsFindTheDesktopsTools()
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

    void rightButtonMovesIconsByTheDisplacement()
    {
        IconDrag drag;
        // A right press leaves the icon where it stands, and the click that ends the move starts nothing.
        const IconPlace held = drag.press(Qt::RightButton, {100, 100}, {1440, 2055});
        QCOMPARE(QPointF(held.left, held.top), QPointF(2055, 1440));
        QVERIFY(!drag.clickLaunches());
        // A move bounds the icon only on the side it went: 0 above and left, 2180 right, `highestTop` below.
        const auto move = [&drag](QPointF place, QPointF pressed, QPointF released, float highestTop) {
            const IconPlace start{static_cast<float>(place.y()), static_cast<float>(place.x())};
            const IconPlace end =
                drag.release(Qt::RightButton, released, drag.press(Qt::RightButton, pressed, start), highestTop);
            return QPointF(end.left, end.top);
        };
        QCOMPARE(move({2055, 1440}, {100, 100}, {3100, -2900}, 1620), QPointF(2180, 0));
        QCOMPARE(move({825, 840}, {120, 90}, {-285, 690}, 1620), QPointF(420, 1440));
        QCOMPARE(move({2300, 1440}, {100, 100}, {85, 700}, 1580), QPointF(2285, 1580));
    }
};

QTEST_APPLESS_MAIN(tst_BoardLogic)
#include "tst_BoardLogic.moc"
