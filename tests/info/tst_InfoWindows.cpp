#include "BoardFixture.h"
#include "TestSupport.h"
#include "info/InfoPictures.h"
#include "info/InfoWindows.h"
#include "info/Tips.h"
#include "info/TipsetFile.h"
#include "info/frmAbout.h"
#include "info/frmCredits.h"
#include "info/frmTip.h"
#include "notes/NoteSlots.h"
#include "notes/frmNote.h"

namespace
{
const QByteArray kThreeTips = "First tip\r\n\r\nThird tip\r\n";

struct TipWindow
{
    FakePlatform fakes;
    TempDataDir dir;
    std::unique_ptr<frmTip> window;

    TipWindow(const QByteArray& tipset, const std::optional<QByteArray>& tips)
    {
        dir.write(u"tipset.dat"_s, tipset);
        if (tips)
            dir.write(u"TIPOFDAY.TXT"_s, *tips);
        window = std::make_unique<frmTip>(fakes.platform, dir.dataDir());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QString stored() const { return fakes.settings.value(u"Options"_s, u"Show Tips at Startup"_s); }
};
} // namespace

class tst_InfoWindows final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTipIsDrawnAnEmptyLineTooAndTheCheckBoxStoresTheStartUpSetting()
    {
        TipWindow tips("1\r\n", kThreeTips);
        QVERIFY(tips.window->Form_Load());
        const QStringList expected{u"First tip"_s, QString(), u"Third tip"_s};
        QSet<int> seen;
        for (int draw = 0; draw < 60; ++draw) {
            const int current = tips.window->currentTip();
            QVERIFY2(current >= 1 && current <= 3, qPrintable(QString::number(current)));
            QCOMPARE(tips.window->tipText(), expected.at(current - 1));
            seen.insert(current);
            tips.window->cmdNextTip_Click();
        }
        QCOMPARE(seen, (QSet<int>{1, 2, 3}));
        // The edges of the random source's range give the first and the last tip.
        QCOMPARE(Tips::pick(3, [] { return 0.0; }), 1);
        QCOMPARE(Tips::pick(3, [] { return 0.9999; }), 3);

        // The check box stores the start-up setting in the file and the settings, by mouse or key; the load's
        // store waits for the window's first frame.
        auto* box = tips.window->findChild<QCheckBox*>(u"chkLoadTipsAtStartup"_s);
        QVERIFY(box->isChecked());
        QCOMPARE(tips.stored(), QString());
        tips.window->show();
        QTRY_COMPARE(tips.stored(), u"1"_s);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(tips.dir.read(u"tipset.dat"_s), "0\r\n"_ba);
        QCOMPARE(tips.stored(), u"0"_s);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(tips.dir.read(u"tipset.dat"_s), "1\r\n"_ba);
        QCOMPARE(tips.stored(), u"1"_s);
        QTest::keyClick(tips.window.get(), Qt::Key_Escape);
        QVERIFY(!tips.window->isVisible());
        QCOMPARE(tips.dir.read(u"tipset.dat"_s), "1\r\n"_ba);

        TipWindow off("0\r\n", kThreeTips);
        QVERIFY(!off.window->Form_Load());
        QCOMPARE(off.dir.read(u"tipset.dat"_s), "0\r\n"_ba);
    }

    void openersWriteOneAndStartUpOnlyReads()
    {
        FakePlatform fakes;
        TempDataDir dir;
        dir.write(u"tipset.dat"_s, "0\r\n");
        dir.write(u"TIPOFDAY.TXT"_s, kThreeTips);
        QWidget owner;
        InfoWindows info(fakes.platform, dir.dataDir(), owner);
        TipsetFile tipset;
        tipset.read(dir.dataDir());
        info.startUp(tipset);
        QVERIFY(!info.tip());
        // From the menu: tips at start-up on again, stored once the window is on the screen, or when it goes
        // before that.
        info.mnutips_Click();
        QCOMPARE(dir.read(u"tipset.dat"_s), "0\r\n"_ba);
        delete info.tip();
        QCOMPARE(dir.read(u"tipset.dat"_s), "1\r\n"_ba);
        dir.write(u"tipset.dat"_s, "0\r\n");
        info.mnutips_Click();
        QVERIFY(info.tip() && info.tip()->isVisible());
        QTRY_COMPARE(dir.read(u"tipset.dat"_s), "1\r\n"_ba);
        QVERIFY(info.tip()->findChild<QCheckBox*>(u"chkLoadTipsAtStartup"_s)->isChecked());
        info.tip()->close();
        QTRY_VERIFY(!info.tip());

        tipset.showAtStartup = 1;
        info.startUp(tipset);
        QVERIFY(info.tip() && info.tip()->isVisible());
    }

    void badTipsFilesStillOpenTheWindow_data()
    {
        QTest::addColumn<QByteArray>("tipset");
        QTest::addColumn<std::optional<QByteArray>>("tips");
        QTest::addColumn<QString>("shown");

        QByteArray manyLines;
        for (int i = 1; i <= 100000; ++i)
            manyLines += "tip\r\n";
        const QByteArray longLine(1024 * 1024, 'x');

        QTest::newRow("no tips file: the not-found message")
            << "1"_ba << std::optional<QByteArray>() << frmTip::notFoundMessage();
        QTest::newRow("empty tips file: no tip and no message") << "1"_ba << std::optional<QByteArray>("") << QString();
        QTest::newRow("100,000 lines") << "1"_ba << std::optional<QByteArray>(manyLines) << u"tip"_s;
        QTest::newRow("one 1 MB line shows its beginning")
            << "1"_ba << std::optional<QByteArray>(longLine) << QString(frmTip::kMaxShownChars, u'x');
        QTest::newRow("invalid UTF-8 is read as Windows-1252")
            << "1"_ba << std::optional<QByteArray>("caf\xe9 \x93quoted\x94") << u"café “quoted”"_s;
        QTest::newRow("bare LF line ends") << "1"_ba << std::optional<QByteArray>("only\n") << u"only"_s;
        QTest::newRow("tipset as a decimal rounds to 1") << "0.6,"_ba << std::optional<QByteArray>("a") << u"a"_s;
    }

    void badTipsFilesStillOpenTheWindow()
    {
        QFETCH(QByteArray, tipset);
        QFETCH(std::optional<QByteArray>, tips);
        QFETCH(QString, shown);
        TipWindow window(tipset, tips);
        QVERIFY(window.window->Form_Load());
        window.window->show();
        QCOMPARE(window.window->tipText(), shown);
        window.window->cmdNextTip_Click();
        QCOMPARE(window.window->tipText(), shown);
    }

    void hiddenPictureNeedsTheGestureOncePerShow()
    {
        float armed = 0;
        auto about = std::make_unique<frmAbout>(armed);
        about->show();
        QCOMPARE(about->windowTitle(), u"About Zendra 98"_s);
        QCOMPARE(about->findChild<QLabel*>(u"lblVersion"_s)->text(), u"Version: 1.50"_s);
        PaintedPicture* icon = about->icon();
        QTest::mouseClick(icon, Qt::LeftButton);
        QTest::keyClick(icon, Qt::Key_Z, Qt::ControlModifier);
        QTest::mouseClick(icon, Qt::LeftButton);
        QVERIFY(!about->hiddenPicture()->isVisible());

        QTest::keyClick(icon, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(armed, 1.0F);
        // The gesture holds across closing and opening the window.
        about = std::make_unique<frmAbout>(armed);
        about->show();
        QVERIFY(!about->hiddenPicture()->isVisible());
        QTest::mouseClick(about->icon(), Qt::LeftButton);
        QVERIFY(about->hiddenPicture()->isVisible());
        QTest::keyClick(about->hiddenPicture(), Qt::Key_Space);
        QVERIFY(!about->hiddenPicture()->isVisible());
        QCOMPARE(armed, 0.0F);
        QTest::mouseClick(about->icon(), Qt::LeftButton);
        QVERIFY(!about->hiddenPicture()->isVisible());
        QTest::keyClick(about.get(), Qt::Key_Escape);
        QVERIFY(!about->isVisible());
    }

    void boardAndNoteEditorOpenTheAboutWindow()
    {
        Board board;
        board.load();
        int opened = 0;
        const auto closeTheAboutWindow = [&opened] {
            QTRY_VERIFY(qobject_cast<frmAbout*>(QApplication::activeModalWidget()));
            ++opened;
            QApplication::activeModalWidget()->close();
        };
        QTimer::singleShot(0, closeTheAboutWindow);
        board.action("mnuAbout")->trigger();
        QCOMPARE(opened, 1);

        board.features.notes->mnunewnote_Click();
        auto* editorAbout = board.features.notes->editor()->findChild<QAction*>(u"mnuAbout"_s);
        QVERIFY(editorAbout->isEnabled());
        QTimer::singleShot(0, closeTheAboutWindow);
        editorAbout->trigger();
        QCOMPARE(opened, 2);
    }

    void creditsShowTheSelectedEntryAndRefuseTyping()
    {
        frmCredits credits;
        credits.setAttribute(Qt::WA_DeleteOnClose, false);
        credits.show();
        QCOMPARE(credits.windowTitle(), u"Zendra 98 Credits"_s);
        QVERIFY(credits.text()->toPlainText().startsWith(u"Lead Programmer\n    "_s));
        QTest::keyClick(credits.list(), Qt::Key_Down);
        QCOMPARE(credits.list()->currentItem()->text(), u"Beta Testers"_s);
        QVERIFY(credits.text()->toPlainText().endsWith(u"\n\n'Nope, don't work for me.'"_s));
        QTest::keyClicks(credits.text(), u"typed"_s);
        QVERIFY(!credits.text()->toPlainText().contains(u"typed"_s));
    }
};

QTEST_MAIN(tst_InfoWindows)
#include "tst_InfoWindows.moc"
