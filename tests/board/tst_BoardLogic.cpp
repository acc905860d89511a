#include "TestSupport.h"
#include "platform/LaunchCommands.h"

class tst_BoardLogic final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchCommandsFindTheDesktopsTools_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("expected");
        const QString dialUp = QStringLiteral(
            "EXPLORER.EXE ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{992CFFA0-F557-101A-88EC-00DD010CCC48}");
        QTest::newRow("calculator: the first one installed")
            << u"calc.exe"_s << QStringList{u"xcalc"_s, u"kcalc"_s} << QStringList{u"/usr/bin/kcalc"_s};
        QTest::newRow("dial-up, upper case, falls back to the network panel")
            << dialUp << QStringList{u"gnome-control-center"_s}
            << QStringList{u"/usr/bin/gnome-control-center"_s, u"network"_s};
        QTest::newRow("any other command line runs as it stands")
            << u"gimp \"/home/user/my picture.png\""_s << QStringList{u"gimp"_s}
            << QStringList{u"/usr/bin/gimp"_s, u"/home/user/my picture.png"_s};
        QTest::newRow("a program path with spaces starts whole")
            << u"/opt/My Games/solitaire"_s << QStringList{u"/opt/My Games/solitaire"_s}
            << QStringList{u"/opt/My Games/solitaire"_s};
        QTest::newRow("a program not installed starts nothing")
            << u"gimp picture.png"_s << QStringList{} << QStringList{};
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
            return name.startsWith(u'/') ? name : u"/usr/bin/"_s + name;
        };
        QCOMPARE(LaunchCommands::resolve(command, find, u"/home/user"_s), expected);
    }
};

QTEST_APPLESS_MAIN(tst_BoardLogic)
#include "tst_BoardLogic.moc"
