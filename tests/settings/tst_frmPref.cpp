#include "BoardFixture.h"
#include "TestSupport.h"
#include "core/Options.h"
#include "core/OptionsModel.h"
#include "platform/AutostartXdg.h"
#include "platform/DesktopEntry.h"
#include "platform/LaunchCommands.h"
#include "settings/frmPref.h"

namespace
{
/// The preferences window over a fake board, opened on the options.dat a test lays in.
struct Preferences
{
    FakePlatform fakes;
    TempDataDir dir;
    FakeBoardSurface board;
    OptionsModel shown;
    QPointer<frmPref> window;

    explicit Preferences(const QByteArray& options)
    {
        dir.write(u"options.dat"_s, options);
        // The board starts with every launch icon shown.
        for (int i = 0; i < OptionsModel::kIconCount; ++i)
            shown.setShown(static_cast<OptionsModel::Icon>(i), true);
        window = new frmPref(fakes.platform, dir.dataDir(), board, shown);
    }
    ~Preferences() { delete window; }
    template <typename Control>
    Control* control(const char* name) const
    {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }
    bool applyEnabled() const { return control<QPushButton>("Command4")->isEnabled(); }
    Options stored() const
    {
        Options options;
        options.readAll(dir.dataDir());
        return options;
    }
};
} // namespace

class tst_frmPref final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okAtOnceRewritesTheFileWithFlagsNormalised()
    {
        QList<QByteArray> programs(10, "\"\",\"\"");
        programs[1] = "\"Say \xe2\x80\x9dhi\xe2\x80\x9d\",\"/opt/a,b --x\"";
        QByteArray options = optionsWithPrograms(programs);
        options.replace("2,\"Say", "7,\"Say");
        // The board colour is the desktop's button face, a code that is no RGB value.
        options.replace("1,0,1,1,1,1,1,2", "2,-2147483633,1,7,1,1,0,9");
        Preferences preferences(options);
        preferences.control<QPushButton>("Command5")->click();

        const Options stored = preferences.stored();
        QCOMPARE(stored.programs[1].number, 7.0F);
        QCOMPARE(stored.programs[1].path, u"/opt/a,b --x"_s);
        QCOMPARE(stored.programs[1].title, u"Say \u201Dhi\u201D"_s);
        QCOMPARE(stored.explorerFlag, 0.0F);
        QCOMPARE(stored.dialUpFlag, 0.0F);
        QCOMPARE(stored.colour, -2147483633);
        QCOMPARE(stored.trayMode, 3.0F);
        QCOMPARE(preferences.board.trayCalls, QStringList{u"add"_s});
        QVERIFY(preferences.window.isNull() || !preferences.window->isVisible());
    }

    void applyIsEnabledByTheListedActionsAndCancelKeepsWhatItWrote()
    {
        Preferences preferences(optionsWithPrograms(QList<QByteArray>(10, "\"\",\"\"")));
        QVERIFY(!preferences.applyEnabled());
        QTest::keyClicks(preferences.control<QLineEdit>("txtBG"), u"/nowhere.png"_s);
        preferences.window->Combo1_Click(4);
        // "Browse" cancelled changes nothing.
        preferences.control<QPushButton>("Command1")->click();
        QCOMPARE(preferences.fakes.dialogs.openRequests.first().filters.first(), u"All Types (*.*)"_s);
        QVERIFY(!preferences.applyEnabled());

        preferences.window->show();
        QVERIFY(QTest::qWaitForWindowActive(preferences.window));
        QTest::keyClick(preferences.window, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!preferences.control<QCheckBox>("Check7")->isChecked());
        QVERIFY(preferences.applyEnabled());
        // Start at login changes with Apply, not before.
        preferences.control<QCheckBox>("chkAutostart")->click();
        QVERIFY(!preferences.fakes.autostart.on);
        preferences.control<QPushButton>("Command4")->click();
        QVERIFY(preferences.fakes.autostart.on);
        QVERIFY(!preferences.applyEnabled());
        QVERIFY(!preferences.shown.isShown(OptionsModel::Icon::Notepad));
        QCOMPARE(preferences.stored().notepadFlag, 0.0F);
        QCOMPARE(preferences.stored().backgroundPath, u"/nowhere.png"_s);
        preferences.fakes.dialogs.chosenColour = QColor(0, 0, 255);
        preferences.control<QPushButton>("Command6")->click();
        QCOMPARE(preferences.fakes.dialogs.colourTitles, QStringList{u"Background Color"_s});
        preferences.control<QPushButton>("Command4")->click();
        QCOMPARE(preferences.stored().colour, 0xFF0000);

        // Cancel after Apply drops nothing Apply wrote; OK writes even with Apply disabled.
        const QByteArray applied = preferences.dir.read(u"options.dat"_s);
        preferences.control<QCheckBox>("Check6")->click();
        preferences.control<QPushButton>("Command3")->click();
        QCOMPARE(preferences.dir.read(u"options.dat"_s), applied);
    }

    void editRetriesAnInvalidFileAndTakesADesktopEntrysName()
    {
        Preferences preferences(optionsWithPrograms(QList<QByteArray>(10, "\"Old\",\"/usr/bin/old\"")));
        preferences.dir.write(u"editor.desktop"_s,
                              "[Desktop Entry]\nName=Text Editor\nName[de]=Texteditor\nExec=sh -c \"echo %%\" %U\n");
        preferences.control<QComboBox>("Combo1")->setCurrentIndex(2);
        preferences.window->Combo1_Click(2);

        // A cancelled dialog reports no file: "File Not Found", and Retry opens it again.
        preferences.fakes.dialogs.answers = {MessageAnswer::Retry};
        preferences.fakes.dialogs.chosenFiles = {QString(), preferences.dir.path() + u"/editor.desktop"_s};
        preferences.fakes.dialogs.inputAnswers = {u"Editor"_s};
        preferences.window->Command2_Click();
        QCOMPARE(preferences.fakes.dialogs.messages.size(), 1);
        QCOMPARE(preferences.fakes.dialogs.messages.first().title, u"File Not Found"_s);
        QCOMPARE(preferences.fakes.dialogs.openRequests.first().folder, u"/usr/bin/"_s);
        QCOMPARE(preferences.fakes.dialogs.inputInitials, QStringList{u"Text Editor"_s});
        QCOMPARE(preferences.control<QLineEdit>("txttitle")->text(), u"Editor"_s);
        QVERIFY(preferences.applyEnabled());
        QCOMPARE(preferences.stored().programs[2].title, u"Old"_s);

        // An empty answer changes nothing; OK stores the edited entry alone.
        preferences.fakes.dialogs.chosenFiles = {u"/bin/sh"_s};
        preferences.fakes.dialogs.inputAnswers = {QString()};
        preferences.window->Command2_Click();
        preferences.control<QPushButton>("Command5")->click();
        const Options stored = preferences.stored();
        QCOMPARE(stored.programs[2].title, u"Editor"_s);
        QCOMPARE(stored.programs[2].path, preferences.dir.path() + u"/editor.desktop"_s);
        QCOMPARE(stored.programs[3].title, u"Old"_s);

        // The program list starts a desktop entry by its command, without the field codes.
        const auto found = [](const QString& name) { return u"/usr/bin/"_s + name; };
        QCOMPARE(LaunchCommands::resolve(stored.programs[2].path, found, QString()),
                 (QStringList{u"/usr/bin/sh"_s, u"-c"_s, u"echo %"_s}));
    }

    void badFilesAndPicturesOpenAndApplyWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QByteArray>("picture");
        const QByteArray good = optionsWithPrograms(QList<QByteArray>(10, "\"A & B - C\",\"\""));
        QTest::newRow("no options.dat") << QByteArray() << "not a picture"_ba;
        QTest::newRow("options.dat cut short") << good.left(40) << QByteArray();
        QTest::newRow("binary garbage, a 100 MB picture") << QByteArray("\x00\xff\"\r\n,,\x01", 8) << "big"_ba;
    }

    void badFilesAndPicturesOpenAndApplyWithoutHarm()
    {
        QFETCH(QByteArray, options);
        QFETCH(QByteArray, picture);
        Preferences preferences(options);
        if (options.isEmpty())
            QFile::remove(preferences.dir.path() + u"/options.dat"_s);
        preferences.window->deleteLater();
        preferences.window =
            new frmPref(preferences.fakes.platform, preferences.dir.dataDir(), preferences.board, preferences.shown);
        const QString path = preferences.dir.path() + u"/picture.png"_s;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(picture == "big" ? QByteArray() : picture);
        if (picture == "big")
            QVERIFY(file.resize(100 * 1024 * 1024));
        file.close();

        // The board keeps the picture it shows; the file is written whole all the same.
        const QPixmap shown(8, 8);
        preferences.board.background = shown;
        preferences.control<QLineEdit>("txtBG")->setText(path);
        preferences.control<QPushButton>("Command5")->click();
        QCOMPARE(preferences.board.background.cacheKey(), shown.cacheKey());
        QCOMPARE(preferences.dir.read(u"options.dat"_s).count("\r\n"), 12);
        QCOMPARE(preferences.stored().backgroundPath, path);
    }

    void theAutostartEntryQuotesTheProgramAndHonoursSwitchesOff()
    {
        TempDataDir dir;
        // The program's path needs quoting.
        AutostartXdg entry(dir.path() + u"/config"_s, u"/opt/Zendra \"98\"/zendra98"_s);
        const QString name = u"config/autostart/zendra98.desktop"_s;
        QVERIFY(entry.setEnabled(true) && entry.enabled());
        const QByteArray text = dir.read(name);
        QVERIFY2(text.contains("\nExec=\"/opt/Zendra \\\\\"98\\\\\"/zendra98\"\n"), text.constData());

        // An entry switched off counts as none; switching off removes the entry.
        dir.write(name, "[Desktop Entry]\nExec=zendra98\nHidden=true\n");
        QVERIFY(!entry.enabled());
        dir.write(name, "[Desktop Entry]\nExec=zendra98\nX-GNOME-Autostart-enabled=false\n");
        QVERIFY(!entry.enabled());
        dir.write(name, "[Desktop Entry]\nExec=zendra98\n");
        QVERIFY(entry.enabled());
        QVERIFY(entry.setEnabled(false));
        QVERIFY(!dir.exists(name));
    }
};

QTEST_MAIN(tst_frmPref)
#include "tst_frmPref.moc"
