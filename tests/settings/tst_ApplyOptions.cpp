#include "TestSupport.h"
#include "core/Options.h"
#include "core/OptionsModel.h"
#include "settings/ApplyOptions.h"

class tst_ApplyOptions final : public QObject
{
    Q_OBJECT

    static QString picture(const TempDataDir& dir, const QString& name)
    {
        const QString path = dir.path() + u'/' + name;
        QImage image(80, 50, QImage::Format_RGB32);
        image.fill(Qt::cyan);
        return image.save(path) ? path : QString();
    }

    /// Whether each launch icon shows, in the order of `OptionsModel::Icon`.
    static QList<bool> shownIcons(const OptionsModel& shown)
    {
        QList<bool> list;
        for (int i = 0; i < OptionsModel::kIconCount; ++i)
            list << shown.isShown(static_cast<OptionsModel::Icon>(i));
        return list;
    }

private Q_SLOTS:
    void trayModesAddAndRemoveTheIcon()
    {
        FakeBoardSurface board;
        // Tray mode 3 follows the on-top state; other modes than 1, 2 and 3 neither add nor remove.
        for (const float mode : {1.0F, 2.0F, 3.0F, 0.0F, 2.5F})
            ApplyOptions::trayIcon(board, mode);
        board.onTop = true;
        ApplyOptions::trayIcon(board, 3);
        QCOMPARE(board.trayCalls, (QStringList{u"add"_s, u"remove"_s, u"add"_s, u"remove"_s}));
    }

    void backgroundPictureAtStartup_data()
    {
        QTest::addColumn<float>("centreFlag");
        QTest::addColumn<bool>("pictureExists");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QPointF>("place");
        QTest::newRow("design place") << 0.0F << true << true << QPointF(0, -15);
        QTest::newRow("centred") << 1.0F << true << true << QPointF(600, 525);
        QTest::newRow("another centre flag shows none") << 2.0F << true << false << QPointF();
        QTest::newRow("a missing file shows none") << 1.0F << false << false << QPointF();
    }

    void backgroundPictureAtStartup()
    {
        QFETCH(float, centreFlag);
        QFETCH(bool, pictureExists);
        QFETCH(bool, shown);
        QFETCH(QPointF, place);
        TempDataDir dir;
        FakeBoardSurface board;
        Options options;
        // A comma in the path is part of the name.
        options.backgroundPath = pictureExists ? picture(dir, u"sky, blue.png"_s) : dir.path() + u"/none.png"_s;
        options.centreFlag = centreFlag;
        ApplyOptions::backgroundAtStartup(board, options);
        QCOMPARE(!board.background.isNull(), shown);
        if (shown) {
            QCOMPARE(board.backgroundPlace, place);
            QCOMPARE(board.background.size(), QSize(80, 50));
        }
    }

    void preferencesVariantHidesAndPlaces()
    {
        TempDataDir dir;
        FakeBoardSurface board;
        OptionsModel shown;
        for (int i = 0; i < OptionsModel::kIconCount; ++i)
            shown.setShown(static_cast<OptionsModel::Icon>(i), true);
        ApplyOptions::PreferenceValues values;
        values.picturePath = picture(dir, u"back.png"_s);
        values.explorer = true;
        values.calculator = true;
        values.colour = 0x00FF00;
        values.trayMode = 2;
        ApplyOptions::fromPreferences(board, shown, values);
        QCOMPARE(shownIcons(shown), (QList<bool>{false, false, false, true, true, false}));
        QCOMPARE(board.backgroundPlace, QPointF(0, 0));
        QCOMPARE(board.colour, QColor(0, 255, 0));
        QCOMPARE(board.trayCalls, QStringList{u"remove"_s});

        // A path that names no picture keeps the one shown, where it is; an empty path clears it.
        values.picturePath = dir.path() + u"/missing.png"_s;
        values.centrePicture = true;
        ApplyOptions::fromPreferences(board, shown, values);
        QCOMPARE(board.background.size(), QSize(80, 50));
        QCOMPARE(board.backgroundPlace, QPointF(0, 0));
        values.picturePath = picture(dir, u"back.png"_s);
        ApplyOptions::fromPreferences(board, shown, values);
        QCOMPARE(board.backgroundPlace, QPointF(600, 525));
        values.picturePath.clear();
        ApplyOptions::fromPreferences(board, shown, values);
        QVERIFY(board.background.isNull());
    }
};

QTEST_MAIN(tst_ApplyOptions)
#include "tst_ApplyOptions.moc"
