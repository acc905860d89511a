#include "BoardFixture.h"
#include "TestSupport.h"
#include "info/InfoWindows.h"
#include "launch/LaunchIcons.h"
#include "launch/ProgramMenu.h"
#include "netsearch/NetSearch.h"
#include "notes/NoteSlots.h"
#include "settings/PreferencesController.h"

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
        items << (item->isSeparator() ? QStringLiteral("|")
                                      : item->text() + (item->menu() ? QStringLiteral(">") : QString()) +
                                            (item->isEnabled() ? QString() : QStringLiteral("*")));
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

/// The captions among `texts` that mark one access key between them, each group as "&Search / &Search List".
QStringList sharedAccessKeys(const QStringList& texts)
{
    QHash<QString, QStringList> byKey;
    for (const QString& caption : texts) {
        if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty())
            byKey[key.toString()] << caption;
    }
    QStringList shared;
    for (const QStringList& same : std::as_const(byKey)) {
        if (same.size() > 1)
            shared << same.join(QStringLiteral(" / "));
    }
    return shared;
}

/// What the keyboard reaches by an access key in one window: its buttons and boxes, the labels that lead to a
/// box, and the titles of its menu bar.
QStringList windowCaptions(const QWidget& window)
{
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->window() == &window)
            texts << button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && label->window() == &window)
            texts << label->text();
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        texts << captions(bar);
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
        QCOMPARE(menu("mnuicons"), QStringLiteral("&Default Positions"));
        QCOMPARE(menu("mnuPosition"),
                 QStringLiteral("Top Right Corner Top Left Corner Bottom Right Corner Bottom Left Corner"));
        QCOMPARE(menu("mnuhelp"),
                 QStringLiteral("&Feedback | &Tovane Website &Zendra 98 Website | &Help Check for &Updates | Ti&ps | "
                                "&Credits &About"));
        QCOMPARE(board.action("mnudisableauto")->text(), QStringLiteral("&Disable Auto Check"));
        QVERIFY(board.action("mnuontop")->isCheckable());
        QCOMPARE(menu("mnuProgTitle"),
                 QStringLiteral("Program 1 Program 2 Program 3 Program 4 Program 5 Program 6 "
                                "Program 7 Program 8 Program 9 Program 10"));
        QCOMPARE(shown(board.features.launch->programPopup()),
                 QStringLiteral("Item1 Item2 Item3 Item4 Item5 Item6 Item7 Item8 Item9 Item10"));
    }

    void eachOpeningReadsTheProgramTitles()
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

    void titlesShowLiterallyAndFit()
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

        board.form->findChild<QAction*>(QStringLiteral("mnuPrograms6"))->trigger();
        QCOMPARE(board.fakes.shell.ran, QStringList{QStringLiteral("/bin/P6")});
    }

    void linksOpenTheirTargets()
    {
        Board board;
        board.load();
        for (const char* name : {"mnufeedback", "mnututorials", "mnucheckforupdates"})
            board.action(name)->trigger();
        const QList<QUrl> expected{
            QUrl(QStringLiteral("mailto:zendra98@tovane.example")),
            QUrl::fromLocalFile(board.dir.path() + QStringLiteral("/help/index.html")),
            QUrl(QStringLiteral("https://www.tovane.example/zendra/updates/1.50.html")),
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
        board.dir.write(QStringLiteral("options.dat"), optionsWithPrograms(programs("Key")));
        board.load();
        QVERIFY(QTest::qWaitForWindowActive(board.form.get()));
        QCOMPARE(QApplication::focusWidget(), board.form.get());
        // Sent to the window, the key reaches whichever widget has the focus.
        QTest::keyClick(board.form->windowHandle(), key, modifiers);
        QCOMPARE(board.form->boardMenu()->isVisible(), opens);
        QCOMPARE(board.form->drag().suppressed(), opens);
        if (opens) {
            QCOMPARE(captions(board.form->findChild<QMenu*>(QStringLiteral("mnuProgTitle"))),
                     titles(QStringLiteral("Key")));
            QVERIFY(board.form->geometry().contains(board.form->boardMenu()->pos()));
        }
    }

    void noTwoItemsOfAMenuOrWindowShareAnAccessKey()
    {
        Board board;
        board.load();
        board.features.preferences->mnuPref_Click();
        board.features.netSearch->mnunetsearch_Click();
        board.features.notes->mnunewnote_Click();
        board.features.info->mnutips_Click();
        QStringList shared;
        for (const QWidget* widget : QApplication::allWidgets()) {
            if (qobject_cast<const QMenu*>(widget) != nullptr)
                shared << sharedAccessKeys(captions(widget));
            else if (widget->isWindow())
                shared << sharedAccessKeys(windowCaptions(*widget));
        }
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(tst_BoardMenu)
#include "tst_BoardMenu.moc"
