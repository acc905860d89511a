#include "TestSupport.h"
#include "app/frmSplash.h"

// Notes when a widget first gets its show event.
class ShowClock final : public QObject
{
public:
    ShowClock(QWidget& widget, const QElapsedTimer& clock)
        : m_clock(clock)
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && at < 0)
            at = m_clock.elapsed();
        return false;
    }

    qint64 at = -1;

private:
    const QElapsedTimer& m_clock;
};

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
        // Without its picture the splash shows its backdrop, and says nothing about the file.
        QTest::failOnWarning(QRegularExpression(u"splash\\.bmp"_s));
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

        // The whole pause comes after the splash has shown, however long ago it was built: the board waits for
        // it to the millisecond.
        QTest::qWait(60);
        QElapsedTimer elapsed;
        elapsed.start();
        qint64 boardAfter = -1;
        const ShowClock shown(*splash, elapsed);
        QVERIFY(splash->Form_Load([&] { boardAfter = elapsed.elapsed(); }, {}, 400));

        QVERIFY(shown.at >= 0);
        QVERIFY2(boardAfter - shown.at >= 400, qPrintable(QString::number(boardAfter - shown.at)));
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
