#include "TestSupport.h"
#include "app/frmSplash.h"

class tst_frmSplash final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondInstanceOnlySaysSo()
    {
        FakePlatform fakes;
        fakes.instanceGuard.otherInstanceRunning = true;
        TempDataDir dir;
        frmSplash splash(fakes.platform, dir.dataDir());
        bool boardShown = false;
        QVERIFY(!splash.Form_Load([&] { boardShown = true; }));
        QVERIFY(!boardShown);
        QVERIFY(!splash.isVisible());
        QCOMPARE(fakes.dialogs.messages.size(), 1);
        const MessageRequest& message = fakes.dialogs.messages.first();
        QCOMPARE(message.text, QStringLiteral("You are already running Zendra 98."));
        QCOMPARE(message.title, QStringLiteral("Oops!"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }

    void drawsItsWholePictureLineForLine()
    {
        FakePlatform fakes;
        TempDataDir dir;
        const DataDir shippedPictures(dir.path(), QStringLiteral(PICTURES_DIR "/.."));
        frmSplash splash(fakes.platform, shippedPictures);
        const QImage picture(QStringLiteral(PICTURES_DIR "/splash.png"));
        QCOMPARE(splash.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 picture.convertToFormat(QImage::Format_RGB32));
    }

    void pauseLetsEventsRunThenShowsTheBoard()
    {
        FakePlatform fakes;
        TempDataDir dir;
        frmSplash splash(fakes.platform, dir.dataDir());
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(20);
        bool splashShownDuringPause = false;
        QString loadingText;
        QTimer::singleShot(100, this, [&] {
            splashShownDuringPause = splash.isVisible();
            loadingText = splash.findChild<QLabel*>(QStringLiteral("lblLoading"))->text();
        });

        QElapsedTimer elapsed;
        elapsed.start();
        qint64 boardAfter = -1;
        QVERIFY(splash.Form_Load([&] { boardAfter = elapsed.elapsed(); }, {}, 400));

        QVERIFY(boardAfter >= 400);
        QVERIFY(ticks >= 5);
        QVERIFY(splashShownDuringPause);
        QCOMPARE(loadingText, QStringLiteral("Loading..."));
        QVERIFY(!splash.isVisible());
        QVERIFY(fakes.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(tst_frmSplash)
#include "tst_frmSplash.moc"
