#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "BoardFixture.h"

namespace
{
// One line per item: its name and caption, with marks for a submenu, a disabled or a hidden item.
QStringList describe(const QMenu* menu)
{
    QStringList lines;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            lines << QStringLiteral("-");
            continue;
        }
        QString line = item->objectName() + u' ' + item->text();
        if (item->menu())
            line += QStringLiteral(" >");
        // A hidden item also counts as disabled.
        if (!item->isVisible())
            line += QStringLiteral(" (hidden)");
        else if (!item->isEnabled())
            line += QStringLiteral(" (off)");
        lines << line;
    }
    return lines;
}

QStringList captions(const QMenu* menu)
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
    void boardMenuHoldsEveryItemInOrder();
    void eachOpeningReadsTheProgramTitles();
    void titlesShowLiterallyAndFit();
    void hostileProgramListsChangeNothingElse_data();
    void hostileProgramListsChangeNothingElse();
    void trayClicksReachTheBoard();
    void linksOpenTheirTargets();
};

void tst_BoardMenu::boardMenuHoldsEveryItemInOrder()
{
    Board board;
    board.load();
    const QMenu* menu = board.form->boardMenu();
    QCOMPARE(describe(menu),
             (QStringList{
                 QStringLiteral("mnunewnote &New Zendra Note (off)"),
                 QStringLiteral("mnuscratch Open S&cratch Pad (off)"),
                 QStringLiteral("-"),
                 QStringLiteral("mnunetsearch Net &Search (off)"),
                 QStringLiteral("mnuProgTitle &Launch Program >"),
                 QStringLiteral("-"),
                 QStringLiteral("mnccheckemail Check &Email (off)"),
                 QStringLiteral("mnudisableauto &Disable Auto Check (hidden)"),
                 QStringLiteral("-"),
                 QStringLiteral("mnuicons &Icons >"),
                 QStringLiteral("mnuPosition P&osition >"),
                 QStringLiteral("mnuontop Always On &Top"),
                 QStringLiteral("-"),
                 QStringLiteral("mnuPref &Preferences (off)"),
                 QStringLiteral("-"),
                 QStringLiteral("mnuhelp &Help >"),
                 QStringLiteral("-"),
                 QStringLiteral("mnuExit E&xit"),
             }));
    const auto submenu = [&](const char* name) {
        return describe(board.form->findChild<QMenu*>(QString::fromLatin1(name)));
    };
    QCOMPARE(submenu("mnuicons"), QStringList{QStringLiteral("mnuicondefault &Default Positions")});
    QCOMPARE(submenu("mnuPosition"),
             (QStringList{QStringLiteral("mnutopright Top Right Corner"),
                          QStringLiteral("mnutopleft Top Left Corner"),
                          QStringLiteral("mnubottomright Bottom Right Corner"),
                          QStringLiteral("mnubottomleft Bottom Left Corner")}));
    QCOMPARE(submenu("mnuhelp"),
             (QStringList{QStringLiteral("mnufeedback &Feedback"),
                          QStringLiteral("-"),
                          QStringLiteral("mnuwebtovane &Tovane Website"),
                          QStringLiteral("mnuwebzendra &Zendra 98 Website"),
                          QStringLiteral("-"),
                          QStringLiteral("mnututorials &Help"),
                          QStringLiteral("mnucheckforupdates &Check for Updates"),
                          QStringLiteral("-"),
                          QStringLiteral("mnutips Ti&ps (off)"),
                          QStringLiteral("-"),
                          QStringLiteral("mnucredits &Credits (off)"),
                          QStringLiteral("mnuAbout &About (off)")}));
    QCOMPARE(submenu("mnuProgTitle").first(), QStringLiteral("mnuPrograms1 Program 1"));
    QCOMPARE(submenu("mnuProgTitle").last(), QStringLiteral("mnuPrograms10 Program 10"));
    QCOMPARE(describe(board.form->programPopup()).last(), QStringLiteral("mnuprog10 Item10"));
}

void tst_BoardMenu::eachOpeningReadsTheProgramTitles()
{
    Board board;
    board.load();
    QMenu* launch = board.form->findChild<QMenu*>(QStringLiteral("mnuProgTitle"));
    const auto open = [&] {
        board.form->openBoardMenu(board.form->mapToGlobal(QPoint(20, 20)));
        QVERIFY(board.form->boardMenu()->isVisible());
        board.form->boardMenu()->hide();
    };

    board.dir.write(QStringLiteral("options.dat"), optionsWithPrograms(programs("Alpha")));
    open();
    QCOMPARE(captions(launch), titles(QStringLiteral("Alpha")));
    QVERIFY(board.form->drag().suppressed());

    // A change made elsewhere shows at the next opening.
    board.dir.write(QStringLiteral("options.dat"), optionsWithPrograms(programs("Beta")));
    open();
    QCOMPARE(captions(launch), titles(QStringLiteral("Beta")));

    // A file that ends after the third program leaves the other seven titles as they were.
    const QByteArray threePrograms = optionsWithPrograms(programs("Gamma").mid(0, 3));
    board.dir.write(QStringLiteral("options.dat"), threePrograms.left(threePrograms.lastIndexOf("\r\n1,0,") + 2));
    open();
    QCOMPARE(captions(launch), titles(QStringLiteral("Gamma")).mid(0, 3) + titles(QStringLiteral("Beta")).mid(3));

    QVERIFY(QFile::remove(board.dir.path() + QStringLiteral("/options.dat")));
    open();
    QCOMPARE(captions(launch), titles(QStringLiteral("Gamma")).mid(0, 3) + titles(QStringLiteral("Beta")).mid(3));
}

void tst_BoardMenu::titlesShowLiterallyAndFit()
{
    Board board;
    board.load();
    const QByteArray longTitle(10000, 'x');
    QList<QByteArray> list = programs("P");
    list[0] = "\"Tom & Jerry\",\"\"";
    list[1] = "\"-\",\"\"";
    list[2] = "\"" + longTitle + "\",\"\"";
    list[3] = "\"\",\"\"";
    list[4] = "\"two\r\nlines\tand a tab\",\"\"";
    board.dir.write(QStringLiteral("options.dat"), optionsWithPrograms(list));
    board.form->openBoardMenu(QPoint(0, 0));
    const QStringList shown = captions(board.form->findChild<QMenu*>(QStringLiteral("mnuProgTitle")));
    QCOMPARE(shown[0], QStringLiteral("Tom && Jerry"));
    QCOMPARE(shown[1], QStringLiteral("-"));
    QVERIFY(shown[2].size() <= ProgramMenu::kMaxCaptionLength);
    QVERIFY(shown[2].startsWith(QStringLiteral("xxxx")) && shown[2].contains(QChar(0x2026)));
    QCOMPARE(shown[3], QString());
    QCOMPARE(shown[4], QStringLiteral("two  lines and a tab"));
    QVERIFY(board.form->boardMenu()->sizeHint().width() < 1024);

    // Choosing an item with an empty path starts nothing.
    board.form->mnuPrograms_Click(4);
    QVERIFY(board.fakes.shell.ran.isEmpty());
    board.form->mnuPrograms_Click(6);
    QCOMPARE(board.fakes.shell.ran, QStringList{QStringLiteral("/bin/P6")});
}

void tst_BoardMenu::hostileProgramListsChangeNothingElse_data()
{
    QTest::addColumn<QByteArray>("contents");
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 151 + 7) % 256);
    QTest::newRow("binary") << binary;
    QTest::newRow("10 MB without a separator") << QByteArray(10 * 1024 * 1024, 'A');
    QTest::newRow("10 MB of records") << QByteArray("1,\"t\",\"p\"\r\n").repeated(1024 * 1024);
}

void tst_BoardMenu::hostileProgramListsChangeNothingElse()
{
    QFETCH(QByteArray, contents);
    Board board;
    board.dir.write(QStringLiteral("position.dat"), "0,1500,1500\r\n");
    board.load();
    board.dir.write(QStringLiteral("options.dat"), contents);
    const auto before = board.dir.snapshot();
    const QPoint place = board.form->pos();
    board.form->openBoardMenu(QPoint(10, 10));
    QVERIFY(board.form->boardMenu()->isVisible());
    for (const QString& caption : captions(board.form->findChild<QMenu*>(QStringLiteral("mnuProgTitle"))))
        QVERIFY(caption.size() <= ProgramMenu::kMaxCaptionLength * 2);
    QCOMPARE(board.dir.snapshot(), before);
    QCOMPARE(board.form->pos(), place);
    QVERIFY(board.fakes.shell.ran.isEmpty());
}

void tst_BoardMenu::trayClicksReachTheBoard()
{
    Board board;
    board.dir.write(QStringLiteral("options.dat"), optionsWithPrograms(programs("Tray")));
    board.load();
    QVERIFY(QTest::qWaitForWindowActive(board.form.get()));
    // Another window takes the focus; a click on the tray icon brings the board back to the front.
    QWidget other;
    for (const bool doubleClick : {false, true}) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        if (doubleClick)
            Q_EMIT board.fakes.tray.leftDoubleClicked(1);
        else
            Q_EMIT board.fakes.tray.leftClicked(1);
        QTRY_COMPARE(QApplication::activeWindow(), board.form.get());
    }
    Q_EMIT board.fakes.tray.rightClicked(1, QPoint(300, 300));
    QVERIFY(board.form->boardMenu()->isVisible());
    QCOMPARE(captions(board.form->findChild<QMenu*>(QStringLiteral("mnuProgTitle"))), titles(QStringLiteral("Tray")));
}

void tst_BoardMenu::linksOpenTheirTargets()
{
    Board board;
    board.load();
    for (const char* name : {"mnufeedback", "mnuwebtovane", "mnuwebzendra", "mnututorials", "mnucheckforupdates"})
        board.action(name)->trigger();
    const QList<QUrl> expected{
        QUrl(QStringLiteral("mailto:zendra98@tovane.example")),
        QUrl(QStringLiteral("https://www.tovane.example/")),
        QUrl(QStringLiteral("https://www.tovane.example/zendra/")),
        QUrl::fromLocalFile(board.dir.path() + QStringLiteral("/help/index.html")),
        QUrl(QStringLiteral("https://www.tovane.example/zendra/updates/1.50.html")),
    };
    QCOMPARE(board.fakes.shell.opened, expected);
    QCOMPARE(expected[3].scheme(), QStringLiteral("file"));
}

QTEST_MAIN(tst_BoardMenu)
#include "tst_BoardMenu.moc"
