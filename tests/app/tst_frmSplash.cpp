#include "TestSupport.h"
#include "app/frmSplash.h"

class tst_frmSplash final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsItsWholePictureLineForLine()
    {
        FakePlatform fakes;
        TempDataDir dir;
        const DataDir shippedPictures(dir.path(), QStringLiteral(PICTURES_DIR "/.."));
        frmSplash splash(fakes.platform, shippedPictures);
        const QImage picture(QStringLiteral(PICTURES_DIR "/splash.bmp"));
        QCOMPARE(splash.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 picture.convertToFormat(QImage::Format_RGB32));
    }

    void pauseLetsEventsRunThenShowsTheBoardUnlessAnotherRuns()
    {
        FakePlatform fakes;
        TempDataDir dir;
        auto splash = std::make_unique<frmSplash>(fakes.platform, dir.dataDir());
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(20);
        bool splashShownDuringPause = false;
        QString loadingText;
        QTimer::singleShot(100, this, [&] {
            splashShownDuringPause = splash->isVisible();
            loadingText = splash->findChild<QLabel*>(u"lblLoading"_s)->text();
        });

        QElapsedTimer elapsed;
        elapsed.start();
        qint64 boardAfter = -1;
        QVERIFY(splash->Form_Load([&] { boardAfter = elapsed.elapsed(); }, {}, 400));

        QVERIFY(boardAfter >= 400);
        QVERIFY(ticks >= 5);
        QVERIFY(splashShownDuringPause);
        QCOMPARE(loadingText, u"Loading..."_s);
        QVERIFY(!splash->isVisible());
        QVERIFY(fakes.dialogs.messages.isEmpty());

        // With another board running on the same data, the splash only says so.
        fakes.instanceGuard.otherInstanceRunning = true;
        splash = std::make_unique<frmSplash>(fakes.platform, dir.dataDir());
        bool boardShown = false;
        QVERIFY(!splash->Form_Load([&] { boardShown = true; }));
        QVERIFY(!boardShown);
        QVERIFY(!splash->isVisible());
        QCOMPARE(fakes.dialogs.messages.size(), 1);
        const MessageRequest& message = fakes.dialogs.messages.first();
        QCOMPARE(message.text, u"You are already running Zendra 98."_s);
        QCOMPARE(message.title, u"Oops!"_s);
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }
};

QTEST_MAIN(tst_frmSplash)
#include "tst_frmSplash.moc"
