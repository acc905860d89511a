#include "MailFixture.h"
#include "TestSupport.h"
#include "email/MailIndicator.h"
#include "email/MailSecurity.h"
#include "email/frmChecking.h"
#include "email/frmPassword.h"

using namespace Qt::StringLiterals;

namespace
{
constexpr qint64 kFiveMinutes = 300000;

template <typename Control>
Control* child(QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

QStringList titles(const FakeDialogs& dialogs)
{
    QStringList shown;
    for (const MessageRequest& request : dialogs.messages)
        shown << request.title + u": "_s + request.text;
    return shown;
}

void threeMessages(FakePop3Client& pop)
{
    pop.messages = {FakePop3Client::message(u"Ann <ann@x.org>"_s, u"Lunch"_s, u"Mon, 1 Jan 2024"_s),
                    FakePop3Client::message(u"Bob"_s, u"Re: Lunch"_s, u"Tue, 2 Jan 2024"_s),
                    FakePop3Client::message(u"Cy"_s, u"Üben"_s, u"Wed, 3 Jan 2024"_s)};
}

/// Three messages whose answers wait until the client is resumed.
void threeMessagesPaused(FakePop3Client& pop)
{
    threeMessages(pop);
    pop.paused = true;
}
} // namespace

class tst_Mail final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setupLoadsEachState()
    {
        // Checking off with a manual interval: everything but the box itself and the account is disabled.
        MailBoard off(emailFile(0, 9999999, u"pw"_s, u"/s/ding.wav"_s));
        QVERIFY(!off.action("mnccheckemail")->isEnabled());
        QVERIFY(!off.action("mnudisableauto")->isVisible());
        QVERIFY(!off.list());
        off.withSetup([](Esetup& setup) {
            for (const char* name :
                 {"Optauto", "OptManual", "min", "Check2", "txtServer", "txtPOP", "txtPass", "txtEmail", "txtSound"})
                QVERIFY2(!child<QWidget>(setup, name)->isEnabled(), name);
            QVERIFY(child<QRadioButton>(setup, "OptManual")->isChecked());
            QCOMPARE(child<QLineEdit>(setup, "txtSound")->text(), u"/s/ding.wav"_s);
            QCOMPARE(child<QCheckBox>(setup, "Check2")->text(), u"Off"_s);
            QVERIFY(child<QPushButton>(setup, "Command2")->isEnabled());
        });

        // Checking on every six minutes, no sound: all enabled, the sound box off.
        MailBoard on(emailFile(1, 360000));
        QVERIFY(on.action("mnudisableauto")->isVisible());
        QVERIFY(on.list() && !on.list()->isVisible());
        on.withSetup([](Esetup& setup) {
            QCOMPARE(child<QComboBox>(setup, "min")->currentText(), u"6"_s);
            QVERIFY(child<QRadioButton>(setup, "Optauto")->isChecked());
            QVERIFY(child<QComboBox>(setup, "min")->isEnabled());
            QVERIFY(child<QCheckBox>(setup, "Check2")->isEnabled());
            QVERIFY(!child<QCheckBox>(setup, "Check2")->isChecked());
            QVERIFY(!child<QLineEdit>(setup, "txtSound")->isEnabled());
            QVERIFY(!child<QPushButton>(setup, "cmdtest")->isEnabled());
        });
    }

    void setupSaves()
    {
        MailBoard board(emailFile(1, 12345, u"old"_s, u"/s/ding.wav"_s));
        const QString file = board.dir.path() + u"/email.dat"_s;
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);

        // A value the list does not hold selects nothing, and "OK" waits for a change. Incomplete: Retry keeps the
        // window, Cancel closes it; neither writes.
        board.withSetup([&](Esetup& setup) {
            QVERIFY(!child<QRadioButton>(setup, "Optauto")->isChecked());
            QCOMPARE(child<QComboBox>(setup, "min")->currentIndex(), -1);
            QVERIFY(!child<QPushButton>(setup, "Command2")->isEnabled());
            QTest::keyClick(child<QLineEdit>(setup, "txtEmail"), Qt::Key_End);
            QVERIFY(child<QPushButton>(setup, "Command2")->isEnabled());
            child<QLineEdit>(setup, "txtServer")->clear();
            board.fakes.dialogs.answers = {MessageAnswer::Retry, MessageAnswer::Cancel};
            child<QPushButton>(setup, "Command2")->click();
            QVERIFY(setup.isVisible());
            child<QPushButton>(setup, "Command2")->click();
            QVERIFY(!setup.isVisible());
        });
        QCOMPARE(board.dir.read(u"email.dat"_s), emailFile(1, 12345, u"old"_s, u"/s/ding.wav"_s));
        QCOMPARE(board.fakes.dialogs.messages.value(1).buttons, MessageButtons::RetryCancel); // asked twice
        QCOMPARE(titles(board.fakes.dialogs)[0],
                 u"Information Incomplete: You have failed to enter all the needed information. Please try again."_s);

        // Automatic with no minutes chosen: "5"; the sound switched off writes no path; an empty password stays empty.
        board.withSetup([](Esetup& setup) {
            child<QRadioButton>(setup, "Optauto")->click();
            child<QCheckBox>(setup, "Check2")->click();
            child<QLineEdit>(setup, "txtPass")->clear();
            child<QPushButton>(setup, "Command2")->click();
            QCOMPARE(child<QComboBox>(setup, "min")->currentText(), u"5"_s);
        });
        QCOMPARE(board.dir.read(u"email.dat"_s), emailFile(1, kFiveMinutes));
        QCOMPARE(QFileInfo(file).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        QVERIFY(board.action("mnudisableauto")->isVisible());

        // Manual only: the marker whatever the list shows, and the automatic item goes away.
        board.action("mnudisableauto")->trigger();
        board.withSetup([](Esetup& setup) {
            child<QRadioButton>(setup, "OptManual")->click();
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.dir.read(u"email.dat"_s), emailFile(1, 9999999));
        QVERIFY(board.action("mnccheckemail")->isEnabled());
        QVERIFY(!board.action("mnudisableauto")->isVisible());
        QCOMPARE(board.action("mnudisableauto")->text(), u"Enable &Auto Check"_s);

        // Checking off: the board's "Check &Email" goes grey. Browse cancelled changes nothing, confirmed enables Test.
        board.withSetup([&](Esetup& setup) {
            auto* test = child<QPushButton>(setup, "cmdtest");
            child<QPushButton>(setup, "Command1")->click();
            QVERIFY(!test->isEnabled());
            board.fakes.dialogs.chosenFiles = {u"/home/joe/bell.wav"_s};
            child<QPushButton>(setup, "Command1")->click();
            QVERIFY(test->isEnabled());
            test->click();
            child<QCheckBox>(setup, "Check1")->click();
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.fakes.sound.played, QStringList{u"/home/joe/bell.wav"_s});
        QCOMPARE(board.fakes.dialogs.openRequests[0].title, u"Browse"_s);
        QVERIFY(!board.action("mnccheckemail")->isEnabled());
        QVERIFY(board.dir.read(u"email.dat"_s).startsWith("0\r\n9999999\r\n"));
    }

    void boardCheckListsEveryMessageAsTextInBoundedRows()
    {
        MailBoard board(emailFile(1, 9999999, u"secret"_s, u"/s/ding.wav"_s));
        board.fakes.pop3.script = threeMessages;
        QVERIFY(board.check());

        const Pop3Account account = board.fakes.pop3.opens.value(0);
        QCOMPARE(QStringList({account.server, account.user, account.password}),
                 QStringList({u"mail.example.org"_s, u"joe"_s, u"secret"_s}));
        QCOMPARE(board.list()->list().rowCount(), 4);
        QCOMPARE(board.row(0), u"From:|Subject:|Date:"_s);
        QCOMPARE(board.row(1), u"Ann <ann@x.org>|Lunch|Mon, 1 Jan 2024"_s);
        QCOMPARE(board.row(3), u"Cy|Üben|Wed, 3 Jan 2024"_s);
        QCOMPARE(board.list()->frameCaption(), u"Email Messages - 3 message(s) waiting"_s);
        QVERIFY(!board.list()->lastChecked().isEmpty());
        QVERIFY(board.mail().indicator().isShown());
        const auto* animation = child<QLabel>(*board.form, "emailgif");
        QVERIFY(animation->movie() && animation->movie()->state() == QMovie::Running);
        QCOMPARE(board.fakes.sound.played, QStringList{u"/s/ding.wav"_s});
        QVERIFY(board.fakes.dialogs.messages.isEmpty());
        frmChecking* checking = board.mail().check().checkingWindow();
        QCOMPARE(checking->text(), u"Checking for new mail on mail.example.org for joe."_s);
        QVERIFY(!checking->isVisible());

        // The light opens the list; "&Close" hides both and keeps the rows.
        board.mail().emailpic_Click();
        QVERIFY(board.list()->isVisible());
        board.button("cmdClose")->click();
        QVERIFY(!board.list()->isVisible());
        QVERIFY(!board.mail().indicator().isShown());
        QVERIFY(!animation->movie());
        QCOMPARE(board.list()->list().rowCount(), 4);

        // Thirty unreadable messages: one box for all of them, naming the first error.
        board.fakes.pop3.script = [](FakePop3Client& pop) {
            pop.messages.fill(FakePop3Client::failure(Pop3Error::Server, u"message locked"_s), 30);
            pop.messages[5] = FakePop3Client::message(u"<b>Ann</b>"_s, u"<img src=x>Lunch"_s, u"Mon"_s);
        };
        QVERIFY(board.check());
        QCOMPARE(
            titles(board.fakes.dialogs),
            QStringList{u"Error during RetrieveCurrentMsg: 29 messages could not be read. The first error: message "
                        u"locked"_s});
        // What the server sent is text, also in the tooltip that shows a whole subject.
        const QString tip = board.list()->list().index(1, 1).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(u"&lt;img src=x&gt;Lunch"_s) && !tip.contains(u"<img"_s), qPrintable(tip));

        // A mailbox of millions: the list holds the first rows and says how many more wait.
        board.fakes.dialogs.messages.clear();
        board.fakes.pop3.script = [](FakePop3Client& pop) {
            pop.messages.fill(FakePop3Client::message(u"a"_s, u"s"_s, u"d"_s), MailCheck::kMaxRows);
            pop.reportedCount = 10'000'000;
        };
        // An event loop of its own: waiting in steps of 10 ms would take that long for every row.
        QEventLoop loop;
        connect(&board.mail().check(), &MailCheck::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(120'000, &loop, &QEventLoop::quit);
        board.action("mnccheckemail")->trigger();
        loop.exec();
        QVERIFY(!board.mail().check().running());
        const MailListModel& rows = board.list()->list();
        QCOMPARE(rows.rowCount(), MailCheck::kMaxRows + 2);
        QCOMPARE(board.row(rows.rowCount() - 1), u"|9950000 more message(s) not listed|"_s);
        QCOMPARE(board.list()->frameCaption(),
                 u"Email Messages - 10000000 message(s) waiting (the first 50000 listed)"_s);
        QVERIFY(board.fakes.dialogs.messages.isEmpty());
    }

    void emptyMailboxAndConnectError_data()
    {
        QTest::addColumn<bool>("fromBoard");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("alerts");
        QTest::newRow("board, empty") << true << false << QStringList{u"Sorry: You have no new messages."_s} << 0;
        QTest::newRow("list, empty") << false << false << QStringList() << 0;
        const QStringList refusal{u"Error during Connect: [AUTH] Authentication failed."_s};
        QTest::newRow("board, refused") << true << true << refusal << 1;
        QTest::newRow("list, refused") << false << true << refusal << 1;
    }

    void emptyMailboxAndConnectError()
    {
        QFETCH(bool, fromBoard);
        QFETCH(bool, refused);
        MailBoard board(emailFile(1, kFiveMinutes, u"pw"_s, u"/s/ding.wav"_s));
        if (refused)
            board.fakes.pop3.script = [](FakePop3Client& pop) {
                pop.openError = Pop3Error::Server;
                pop.openErrorText = u"[AUTH] Authentication failed."_s;
            };
        board.list()->list().addRow({u"earlier"_s, u"row"_s, u""_s});
        fromBoard ? board.action("mnccheckemail")->trigger() : board.button("Command1")->click();
        QVERIFY(board.checkEnds());
        QTEST(titles(board.fakes.dialogs), "shown");
        QTEST(int(board.fakes.sound.played.size()), "alerts");
        QVERIFY(board.button("Command1")->isEnabled());
        QVERIFY(!board.mail().indicator().isShown());
        // A refusal leaves the heading alone; an empty mailbox leaves the list's rows, which the board's check
        // has emptied.
        QCOMPARE(board.list()->list().rowCount(), refused ? 1 : 2);
        QCOMPARE(board.row(1), refused ? u"||"_s : fromBoard ? u"||"_s : u"earlier|row|"_s);
    }

    void passwordPrompt()
    {
        MailBoard board(emailFile(1, kFiveMinutes));
        board.fakes.pop3.script = threeMessages;
        const auto prompt = [&] {
            frmPassword* shown = board.mail().check().passwordPrompt();
            return shown && shown->isVisible() ? shown : nullptr;
        };

        // The board asks at every check: Enter with nothing typed keeps asking, a typed password is used.
        for (const QString& typed : {u"first"_s, u"second"_s}) {
            board.action("mnccheckemail")->trigger();
            QTRY_VERIFY(prompt());
            auto* box = child<QLineEdit>(*prompt(), "txtPassword");
            QVERIFY(!child<QPushButton>(*prompt(), "cmdOK")->isEnabled());
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(prompt());
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(board.checkEnds());
            QCOMPARE(board.fakes.pop3.opens.constLast().password, typed);
        }

        // Cancelled in the list: nothing happens, and that window never asks again.
        const qsizetype made = board.fakes.pop3.made.size();
        board.button("Command1")->click();
        QTRY_VERIFY(prompt());
        child<QPushButton>(*prompt(), "cmdCancel")->click();
        QVERIFY(board.checkEnds());
        board.button("Command1")->click();
        QVERIFY(!prompt());
        QCOMPARE(board.fakes.pop3.made.size(), made);
        QVERIFY(board.fakes.dialogs.messages.isEmpty());
        QVERIFY(board.button("Command1")->isEnabled());
    }

    void timerChecksOneIntervalAfterTheLastCheck()
    {
        // Started just below 2^32 ms of uptime: the schedule runs on past it.
        const qint64 start = (qint64(1) << 32) - 1000;
        MailBoard board(emailFile(1, kFiveMinutes, u"pw"_s), start);
        frmEmail& list = *board.list();
        const auto tickAt = [&](qint64 now) {
            board.fakes.clock.now = now;
            list.Timer1_Timer();
            board.checkEnds();
            return board.fakes.pop3.made.size();
        };
        QCOMPARE(list.dueTime(), start + kFiveMinutes);
        QCOMPARE(tickAt(start + kFiveMinutes), 0);
        QCOMPARE(tickAt(start + kFiveMinutes + 1), 1);
        const qint64 ended = start + kFiveMinutes + 1;
        QCOMPARE(list.dueTime(), ended + kFiveMinutes);
        QCOMPARE(tickAt(ended + kFiveMinutes + 1), 2);

        // One check at a time: the board's item, the list's button and a tick start none while one runs.
        board.fakes.pop3.script = threeMessagesPaused;
        board.action("mnccheckemail")->trigger();
        QTest::qWait(20);
        board.action("mnccheckemail")->trigger();
        board.button("Command1")->click();
        board.fakes.clock.now = ended + 10 * kFiveMinutes;
        list.Timer1_Timer();
        QCOMPARE(board.fakes.pop3.made.size(), 3);
        board.fakes.pop3.last()->setPaused(false);
        QVERIFY(board.checkEnds());
        QCOMPARE(list.list().rowCount(), 4);
        // The tick that found a check running counts as a check: the next one is due an interval after it.
        QCOMPARE(tickAt(ended + 10 * kFiveMinutes + 1), 3);
        board.fakes.pop3.script = threeMessages;
        QCOMPARE(tickAt(ended + 11 * kFiveMinutes + 1), 4);

        // Switched off on the board: ticks do nothing, and each renews the due time.
        board.action("mnudisableauto")->trigger();
        QCOMPARE(tickAt(ended + 13 * kFiveMinutes), 4);
        board.button("Command1")->click();
        QCOMPARE(board.fakes.pop3.made.size(), 4);

        // Manual only: the window has no schedule at all.
        MailBoard manual(emailFile(1, 9999999));
        manual.mail().emailpic_Click();
        QVERIFY(!manual.list()->dueTime());
    }

    void badFilesAndBrokenSessions()
    {
        // A missing, short, binary or huge email.dat: the board starts and the setup window opens on what was read.
        for (const QByteArray& email : {QByteArray(),
                                        QByteArray("1\r\n"),
                                        QByteArray("\0\xff\x01\"\r\n", 6),
                                        QByteArray(10 * 1024 * 1024, 'x'),
                                        QByteArray("1\r\nabc\r\n\"joe\"\r\n")}) {
            MailBoard board(email);
            board.withSetup([](Esetup& setup) { QVERIFY(child<QLineEdit>(setup, "txtServer")->text().isEmpty()); });
        }

        // The connection lost after the first message: that row stays, the loss is said once, the alert sounds.
        MailBoard board(emailFile(1, kFiveMinutes, u"pw"_s, u"/s/ding.wav"_s));
        board.fakes.pop3.script = [](FakePop3Client& pop) {
            threeMessages(pop);
            pop.messages[1] =
                FakePop3Client::failure(Pop3Error::ConnectionLost, u"The server closed the connection."_s);
        };
        QVERIFY(board.check());
        QCOMPARE(titles(board.fakes.dialogs),
                 QStringList{u"Error during RetrieveCurrentMsg: The server closed the connection."_s});
        QCOMPARE(board.list()->list().rowCount(), 2);
        QCOMPARE(board.fakes.sound.played.size(), 1);

        // The program ends in the middle of a check: the board goes with the session open and nothing is left behind.
        board.fakes.pop3.script = threeMessagesPaused;
        board.action("mnccheckemail")->trigger();
        QTRY_VERIFY(board.fakes.pop3.last());
        QPointer<Pop3Client> session = board.fakes.pop3.last();
        board.form.reset();
        QVERIFY(!session);
    }

    void passwordInTheKeyringAndNotifications()
    {
        // A password carried over in email.dat moves into the keyring at the next save; the checks find it there.
        MailBoard board(emailFile(1, kFiveMinutes, u"old"_s));
        board.fakes.pop3.script = threeMessages;
        board.withSetup([](Esetup& setup) {
            QTRY_COMPARE(child<QLabel>(setup, "passwordPlace")->text(), u"A password is kept in GNOME Keyring."_s);
            child<QLineEdit>(setup, "txtEmail")->setFocus();
            QTest::keyClick(child<QLineEdit>(setup, "txtEmail"), Qt::Key_End);
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.dir.read(u"email.dat"_s), emailFile(1, kFiveMinutes));
        QCOMPARE(board.fakes.keyring.passwords, (QHash<QString, QString>{{u"joe@mail.example.org"_s, u"old"_s}}));

        // The board is hidden: the desktop's notification tells of the mail.
        board.form->hide();
        QVERIFY(board.check());
        QCOMPARE(board.fakes.pop3.opens.value(0).password, u"old"_s);
        QCOMPARE(board.fakes.notifier.notifications.value(0).second, u"3 message(s) waiting\nLunch"_s);

        // A locked keyring: the password stays in the file, and the user is told.
        board.withSetup([&](Esetup& setup) {
            QTRY_COMPARE(child<QLineEdit>(setup, "txtPass")->text(), u"old"_s);
            board.fakes.keyring.refuse = true;
            child<QLineEdit>(setup, "txtPass")->clear();
            QTest::keyClicks(child<QLineEdit>(setup, "txtPass"), u"new"_s);
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.dir.read(u"email.dat"_s), emailFile(1, kFiveMinutes, u"new"_s));
        QCOMPARE(
            titles(board.fakes.dialogs).value(0),
            u"Zendra Email Check Setup: The keyring did not take the password: The keyring is locked.\nIt is kept in "
            u"email.dat, readable by you alone."_s);

        // Carried over from before there was a keyring, in a file others could read: a check moves the password into
        // the keyring and makes the file its owner's again.
        MailBoard carried(emailFile(1, kFiveMinutes, u"carried"_s));
        const QString file = carried.dir.path() + u"/email.dat"_s;
        QFile::setPermissions(file, QFile::ReadUser | QFile::WriteUser | QFile::ReadOther);
        carried.fakes.pop3.script = threeMessages;
        QVERIFY(carried.check());
        QTRY_COMPARE(carried.dir.read(u"email.dat"_s), emailFile(1, kFiveMinutes));
        QCOMPARE(carried.fakes.keyring.passwords.value(u"joe@mail.example.org"_s), u"carried"_s);
        QCOMPARE(QFileInfo(file).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);

        // A keyring slow to say it is there: OK waits for it rather than write the password into the file.
        carried.fakes.keyring.delayMs = 300;
        carried.withSetup([](Esetup& setup) {
            QTest::keyClicks(child<QLineEdit>(setup, "txtPass"), u"typed"_s);
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(carried.dir.read(u"email.dat"_s), emailFile(1, kFiveMinutes));
        QCOMPARE(carried.fakes.keyring.passwords.value(u"joe@mail.example.org"_s), u"typed"_s);
    }

    void securityChosenAndCertificatesTrusted()
    {
        // An email.dat from before the choice existed never logs in in clear: port 995 means TLS from the start,
        // anything else STARTTLS, required.
        for (const auto& [server, security] : {std::pair{u"mail.example.org"_s, Pop3Security::StartTls},
                                               std::pair{u"mail.example.org:995"_s, Pop3Security::TlsOnConnect}}) {
            MailBoard board(emailFile(1, kFiveMinutes, u"pw"_s, {}, server));
            QVERIFY(board.check());
            QCOMPARE(board.fakes.pop3.opens.value(0).security, security);
            QVERIFY(board.list()->status().startsWith(u"Security: "_s + MailSecurity::describe(security)));
        }

        // Chosen in the setup window, with a warning for clear text, and kept beside the seven records of email.dat.
        MailBoard board(emailFile(1, kFiveMinutes, u"pw"_s));
        board.withSetup([](Esetup& setup) {
            auto* security = child<QComboBox>(setup, "cboSecurity");
            QCOMPARE(security->currentIndex(), int(Pop3Security::StartTls));
            QVERIFY(child<QLabel>(setup, "lblSecurityWarning")->isHidden());
            security->setCurrentIndex(int(Pop3Security::None));
            Q_EMIT security->activated(int(Pop3Security::None));
            QVERIFY(!child<QLabel>(setup, "lblSecurityWarning")->isHidden());
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.dir.read(u"emailsec.dat"_s), "2\r\n\"\"\r\n\"\"\r\n");
        QVERIFY(board.list()->status().contains(MailSecurity::describe(Pop3Security::None)));

        // A certificate the system does not trust: the board's check describes it and asks; trusted, it is kept for
        // the account and the check goes on with it.
        const Pop3Certificate certificate{u"mail.example.org"_s,
                                          u"Joe's own CA"_s,
                                          QDateTime::currentDateTime(),
                                          QDateTime::currentDateTime().addYears(1),
                                          u"AB:CD"_s,
                                          {u"it is signed only by itself"_s}};
        board.fakes.pop3.script = [&](FakePop3Client& pop) {
            threeMessages(pop);
            if (pop.openLog->size() % 2 == 0) {
                pop.openError = Pop3Error::CertificateUntrusted;
                pop.openErrorText = u"The certificate of mail.example.org is not trusted."_s;
                pop.openCertificate = certificate;
            }
        };
        board.fakes.pop3.opens.clear();
        board.fakes.dialogs.answers = {MessageAnswer::Yes};
        QVERIFY(board.check());
        const MessageRequest question = board.fakes.dialogs.messages.value(0);
        QCOMPARE(question.title, u"Untrusted Certificate"_s);
        for (const QString& shown : {u"signed only by itself"_s, u"Joe's own CA"_s, u"SHA-256 fingerprint: AB:CD"_s})
            QVERIFY2(question.text.contains(shown), qPrintable(question.text));
        QCOMPARE(board.fakes.pop3.opens.value(1).trustedCertificate, u"AB:CD"_s);
        QVERIFY(board.dir.read(u"emailsec.dat"_s).endsWith("\"joe@mail.example.org\"\r\n\"AB:CD\"\r\n"));

        // An automatic check asks nothing: it fails, and the list window says so.
        board.fakes.pop3.opens.clear();
        board.fakes.dialogs.messages.clear();
        board.fakes.clock.now = 2 * kFiveMinutes;
        board.list()->Timer1_Timer();
        QVERIFY(board.checkEnds());
        QVERIFY(board.fakes.dialogs.messages.isEmpty());
        QVERIFY2(board.list()->status().contains(u"failed: The certificate of mail.example.org is not trusted."_s),
                 qPrintable(board.list()->status()));

        // The setup window shows the trusted certificate; "Forget" drops it with the next save.
        board.withSetup([](Esetup& setup) {
            QVERIFY(child<QLabel>(setup, "lblCertificate")->toolTip().contains(u"AB:CD"_s));
            child<QPushButton>(setup, "cmdForget")->click();
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.dir.read(u"emailsec.dat"_s), "2\r\n\"\"\r\n\"\"\r\n");
    }

    void onlineAccountSignsInWithoutAPassword()
    {
        // The desktop's Google account, chosen in the setup window: server and account filled in, no password kept,
        // the choice kept by identity beside email.dat.
        MailBoard board(emailFile(1, kFiveMinutes, u"pw"_s));
        FakeOnlineAccounts& desktop = board.fakes.onlineAccounts;
        desktop.accounts = {{u"google"_s, u"Google"_s, u"ann@gmail.com"_s, u"ann@gmail.com"_s}};
        board.withSetup([](Esetup& setup) {
            auto* online = child<QCheckBox>(setup, "chkOnline");
            QTRY_VERIFY(!online->isHidden());
            QCOMPARE(child<QComboBox>(setup, "cboOnline")->currentText(), u"Google \u2014 ann@gmail.com"_s);
            online->click();
            QCOMPARE(child<QLineEdit>(setup, "txtServer")->text(), u"pop.gmail.com:995"_s);
            QVERIFY(!child<QLineEdit>(setup, "txtPass")->isEnabled());
            child<QPushButton>(setup, "Command2")->click();
        });
        QCOMPARE(board.dir.read(u"email.dat"_s),
                 emailFile(1, kFiveMinutes, {}, {}, u"pop.gmail.com:995"_s, u"ann@gmail.com"_s));
        QCOMPARE(board.dir.read(u"emailsec.dat"_s), "0\r\n\"\"\r\n\"\"\r\n\"google\"\r\n\"ann@gmail.com\"\r\n");

        // Each check asks the desktop for a token; one the server refuses is asked for once more, renewed.
        desktop.tokens = {u"ya29.one"_s, u"ya29.two"_s, u"ya29.three"_s, u"ya29.four"_s};
        int refusals = 1;
        board.fakes.pop3.script = [&refusals](FakePop3Client& pop) {
            threeMessages(pop);
            if (refusals-- > 0)
                pop.openError = Pop3Error::TokenRefused;
        };
        QVERIFY(board.check());
        QCOMPARE(board.fakes.pop3.opens.size(), 2);
        QCOMPARE(board.fakes.pop3.opens[1].accessToken, u"ya29.two"_s);
        QVERIFY(board.fakes.pop3.opens[1].password.isEmpty());
        QCOMPARE(board.list()->list().rowCount(), 4);
        QCOMPARE(desktop.requests.mid(1), (QStringList{u"token ann@gmail.com"_s, u"renew ann@gmail.com"_s}));

        // Refused again after the renewal: one box that sends the person to the desktop's settings.
        refusals = 2;
        QVERIFY(board.check());
        QCOMPARE(board.fakes.pop3.opens.size(), 4);
        QCOMPARE(titles(board.fakes.dialogs),
                 QStringList{u"Error during Connect: The sign-in of the online account ann@gmail.com was refused. "
                             u"Sign in to it again in the desktop's settings (Online Accounts), then check again."_s});

        // No token reached a file, the settings or a box.
        for (const QString& name : QDir(board.dir.path()).entryList(QDir::Files))
            QVERIFY2(!board.dir.read(name).contains("ya29"), qPrintable(name));
        QVERIFY(!board.fakes.settings.values.values().join(u' ').contains(u"ya29"_s));

        // The account removed from the desktop: the check says so, and setup offers the password again.
        desktop.accounts.clear();
        board.fakes.dialogs.messages.clear();
        QVERIFY(board.check());
        QVERIFY(titles(board.fakes.dialogs).value(0).contains(u"ann@gmail.com is no longer on this desktop"_s));
        board.withSetup([](Esetup& setup) {
            QTRY_VERIFY(!child<QCheckBox>(setup, "chkOnline")->isHidden());
            QVERIFY(!child<QCheckBox>(setup, "chkOnline")->isChecked());
            QVERIFY(child<QLineEdit>(setup, "txtPass")->isEnabled());
            QVERIFY(child<QLabel>(setup, "passwordPlace")->text().contains(u"no longer on this desktop"_s));
        });

        // Without the service on the bus the choice does not show, and the window keeps its size.
        desktop.available = false;
        board.withSetup([&](Esetup& setup) {
            const QSize size = setup.size();
            QTRY_COMPARE(desktop.requests.count(u"list"_s), 3);
            QCoreApplication::processEvents();
            QVERIFY(child<QCheckBox>(setup, "chkOnline")->isHidden());
            QCOMPARE(setup.size(), size);
        });
    }
};

QTEST_MAIN(tst_Mail)
#include "tst_Mail.moc"
