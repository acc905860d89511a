#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QTranslator>

#include "../email/MailFixture.h"
#include "app/frmSplash.h"
#include "email/frmChecking.h"
#include "scratch/ScratchPad.h"

using namespace Qt::StringLiterals;

// Under a pseudo-translation, in which every text is bracketed, every text the program shows outside its windows
// (message boxes, the notification, the tray tooltip, a second instance's splash) and every text a mail check writes
// comes out bracketed. The windows themselves are read by tst_Appearance.
class tst_Translation final : public QObject
{
    Q_OBJECT

    QTranslator m_pseudo;
    QStringList m_untranslated;

    void expectTranslated(const QObject* where, const QString& shown)
    {
        const QString text = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
        // Not translated, rightly: nothing and numbers.
        static const QRegularExpression number(u"^\\d*$"_s);
        if (number.match(text).hasMatch())
            return;
        if (!text.startsWith(u'[') || !text.endsWith(u']'))
            m_untranslated << where->objectName() + u": "_s + text;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_pseudo);
    }

    void everyMessageIsTranslated()
    {
        // A second instance's splash says so.
        FakePlatform fakes;
        TempDataDir dir;
        fakes.instanceGuard.otherInstanceRunning = true;
        QVERIFY(!frmSplash(fakes.platform, dir.dataDir()).Form_Load([] {}));

        // A check that asks for the password and lists a message.
        MailBoard board(emailFile(1, 300000));
        board.fakes.pop3.script = [](FakePop3Client& pop) {
            pop.messages = {FakePop3Client::message(u"Ann"_s, u"Lunch"_s, u"Mon, 1 Jan 2024"_s)};
        };
        // The setup window's message when a needed box is empty.
        board.withSetup([&](Esetup& setup) {
            setup.findChild<QLineEdit*>(u"txtServer"_s)->clear();
            setup.findChild<QPushButton*>(u"Command2"_s)->click();
        });
        board.action("mnccheckemail")->trigger();
        QTRY_VERIFY(board.mail().check().passwordPrompt() && board.mail().check().passwordPrompt()->isVisible());
        QTest::keyClicks(QApplication::focusWidget(), u"pw"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(board.checkEnds());
        expectTranslated(this, board.mail().check().checkingWindow()->findChild<QLabel*>()->text());
        board.mail().emailpic_Click();
        for (int column = 0; column < 3; ++column)
            expectTranslated(board.list(), board.list()->list().text(0, column));

        // The message boxes of a scratch pad closed with text and of an empty mailbox; the desktop notification
        // of new mail and the tray icon's tooltip.
        board.form->scratch().text()->setPlainText(u"text"_s);
        board.form->scratch().sclose_Click();
        MailBoard empty(emailFile(1, 9999999, u"pw"_s));
        empty.action("mnccheckemail")->trigger();
        QVERIFY(empty.checkEnds());
        const QList<MessageRequest> messages =
            fakes.dialogs.messages + board.fakes.dialogs.messages + empty.fakes.dialogs.messages;
        QCOMPARE(messages.size(), 4);
        for (const MessageRequest& message : messages) {
            expectTranslated(this, message.title);
            expectTranslated(this, message.text);
        }
        QCOMPARE(board.fakes.notifier.notifications.size(), 1);
        expectTranslated(this, board.fakes.notifier.notifications[0].first);
        expectTranslated(this, board.fakes.notifier.notifications[0].second);
        board.form->showTrayIcon();
        QVERIFY(!board.fakes.tray.tooltip.isEmpty());
        expectTranslated(this, board.fakes.tray.tooltip);
        QVERIFY2(m_untranslated.isEmpty(), qPrintable(m_untranslated.join(u"\n"_s)));
    }
};

QTEST_MAIN(tst_Translation)
#include "tst_Translation.moc"
