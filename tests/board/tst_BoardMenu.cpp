#include "BoardFixture.h"
#include "TestSupport.h"
#include "launch/LaunchIcons.h"
#include "launch/ProgramMenu.h"

namespace
{
// What a person sees of a menu, on one line: the captions in order, "|" for a separator, ">" after a submenu and
// "*" after an item that cannot be chosen yet; hidden items are left out.
QString shown(const QMenu* menu)
{
    QStringList items;
    for (const QAction* item : menu->actions()) {
        if (!item->isVisible())
            continue;
        items << (item->isSeparator()
                      ? u"|"_s
                      : item->text() + (item->menu() ? u">"_s : QString()) + (item->isEnabled() ? QString() : u"*"_s));
    }
    return items.join(u' ');
}

QStringList captions(const QWidget* menu)
{
    QStringList texts;
    for (const QAction* item : menu->actions())
        texts << item->text();
    return texts;
}

QList<QByteArray> programs(const QByteArray& prefix)
{
    QList<QByteArray> list;
    for (int i = 1; i <= 10; ++i)
        list << "\"" + prefix + QByteArray::number(i) + "\",\"/bin/" + prefix + QByteArray::number(i) + "\"";
    return list;
}

QStringList titles(const QString& prefix)
{
    QStringList list;
    for (int i = 1; i <= 10; ++i)
        list << prefix + QString::number(i);
    return list;
}
} // namespace

class tst_BoardMenu final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardMenuHoldsEveryItemInOrder()
    {
        Board board;
        board.load();
        const auto menu = [&](const char* name) {
            return shown(board.form->findChild<QMenu*>(QString::fromLatin1(name)));
        };
        QCOMPARE(menu("mnuRight"),
                 QStringLiteral("&New Zendra Note Open S&cratch Pad | Net &Search &Launch Program> | Check &Email* | "
                                "&Icons> P&osition> Always On &Top | &Preferences | &Help> | E&xit"));
        QCOMPARE(menu("mnuicons"), u"&Default Positions"_s);
        QCOMPARE(menu("mnuPosition"), u"Top Right Corner Top Left Corner Bottom Right Corner Bottom Left Corner"_s);
        QCOMPARE(menu("mnuhelp"),
                 QStringLiteral("&Feedback | &Tovane Website &Zendra 98 Website | &Help Check for &Updates | Ti&ps | "
                                "&Credits &About"));
        QCOMPARE(board.action("mnudisableauto")->text(), u"&Disable Auto Check"_s);
        QVERIFY(board.action("mnuontop")->isCheckable());
        QCOMPARE(menu("mnuProgTitle"),
                 QStringLiteral("Program 1 Program 2 Program 3 Program 4 Program 5 Program 6 "
                                "Program 7 Program 8 Program 9 Program 10"));
        QCOMPARE(shown(board.features.launch->programPopup()),
                 u"Item1 Item2 Item3 Item4 Item5 Item6 Item7 Item8 Item9 Item10"_s);
    }

    void eachOpeningReadsTheProgramTitles()
    {
        Board board;
        board.load();
        QMenu* launch = board.form->findChild<QMenu*>(u"mnuProgTitle"_s);
        const auto open = [&] {
            board.form->openBoardMenu(board.form->mapToGlobal(QPoint(20, 20)));
            QVERIFY(board.form->boardMenu()->isVisible());
            board.form->boardMenu()->hide();
        };

        board.dir.write(u"options.dat"_s, optionsWithPrograms(programs("Alpha")));
        open();
        QCOMPARE(captions(launch), titles(u"Alpha"_s));
        QVERIFY(board.form->drag().suppressed());

        // A change made elsewhere shows at the next opening.
        board.dir.write(u"options.dat"_s, optionsWithPrograms(programs("Beta")));
        open();
        QCOMPARE(captions(launch), titles(u"Beta"_s));

        // A file that ends after the third program leaves the other seven titles as they were.
        const QByteArray threePrograms = optionsWithPrograms(programs("Gamma").mid(0, 3));
        board.dir.write(u"options.dat"_s, threePrograms.left(threePrograms.lastIndexOf("\r\n1,0,") + 2));
        open();
        QCOMPARE(captions(launch), titles(u"Gamma"_s).mid(0, 3) + titles(u"Beta"_s).mid(3));

        QVERIFY(QFile::remove(board.dir.path() + u"/options.dat"_s));
        open();
        QCOMPARE(captions(launch), titles(u"Gamma"_s).mid(0, 3) + titles(u"Beta"_s).mid(3));

        // Titles show literally, on one line, and a long one is cut to fit.
        QList<QByteArray> list = programs("P");
        list[0] = "\"Tom & Jerry\",\"\"";
        list[1] = "\"-\",\"\"";
        list[2] = "\"" + QByteArray(10000, 'x') + "\",\"\"";
        list[3] = "\"\",\"\"";
        list[4] = "\"two\r\nlines\tand a tab\",\"\"";
        board.dir.write(u"options.dat"_s, optionsWithPrograms(list));
        open();
        const QStringList shown = captions(launch);
        QCOMPARE(shown.mid(0, 2), (QStringList{u"Tom && Jerry"_s, u"-"_s}));
        QVERIFY(shown[2].size() <= ProgramMenu::kMaxCaptionLength);
        QVERIFY(shown[2].startsWith(u"xxxx"_s) && shown[2].contains(QChar(0x2026)));
        QCOMPARE(shown.mid(3, 2), (QStringList{QString(), u"two  lines and a tab"_s}));
        QVERIFY(board.form->boardMenu()->sizeHint().width() < 1024);
        board.form->findChild<QAction*>(u"mnuPrograms6"_s)->trigger();
        QCOMPARE(board.fakes.shell.ran, QStringList{u"/bin/P6"_s});
    }

    void linksOpenTheirTargets()
    {
        Board board;
        board.load();
        for (const char* name : {"mnufeedback", "mnututorials", "mnucheckforupdates"})
            board.action(name)->trigger();
        const QList<QUrl> expected{
            QUrl(u"mailto:zendra98@tovane.example"_s),
            QUrl::fromLocalFile(board.dir.path() + u"/help/index.html"_s),
            QUrl(u"https://www.tovane.example/zendra/updates/1.50.html"_s),
        };
        QCOMPARE(board.fakes.shell.opened, expected);
    }

    void keysOpenTheBoardMenuFromTheFocusedBoard_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("the Menu key") << Qt::Key_Menu << Qt::KeyboardModifiers() << true;
        QTest::newRow("Shift+F10") << Qt::Key_F10 << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::newRow("F10 alone") << Qt::Key_F10 << Qt::KeyboardModifiers() << false;
        QTest::newRow("Ctrl+Shift+F10") << Qt::Key_F10 << (Qt::ShiftModifier | Qt::ControlModifier) << false;
        QTest::newRow("Shift+F9") << Qt::Key_F9 << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    }

    void keysOpenTheBoardMenuFromTheFocusedBoard()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, opens);
        Board board;
        board.dir.write(u"options.dat"_s, optionsWithPrograms(programs("Key")));
        board.load();
        QVERIFY(QTest::qWaitForWindowActive(board.form.get()));
        QCOMPARE(QApplication::focusWidget(), board.form.get());
        // Sent to the window, the key reaches whichever widget has the focus.
        QTest::keyClick(board.form->windowHandle(), key, modifiers);
        QCOMPARE(board.form->boardMenu()->isVisible(), opens);
        QCOMPARE(board.form->drag().suppressed(), opens);
        if (opens) {
            QCOMPARE(captions(board.form->findChild<QMenu*>(u"mnuProgTitle"_s)), titles(u"Key"_s));
            QVERIFY(board.form->geometry().contains(board.form->boardMenu()->pos()));
        }
    }
};

QTEST_MAIN(tst_BoardMenu)
#include "tst_BoardMenu.moc"
