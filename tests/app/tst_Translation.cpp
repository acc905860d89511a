#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTextDocumentFragment>
#include <QTranslator>

#include "../email/MailFixture.h"
#include "app/frmSplash.h"
#include "email/frmChecking.h"
#include "email/frmPassword.h"
#include "scratch/PadText.h"
#include "scratch/ScratchPad.h"

using namespace Qt::StringLiterals;

// Under a pseudo-translation, in which every text is bracketed, every text of every window, menu, tooltip and
// message box comes out bracketed: none is built from fragments or left out of the translation.
class tst_Translation final : public QObject
{
    Q_OBJECT

    QTranslator m_pseudo;
    QStringList m_untranslated;

    void expectTranslated(const QObject* where, const QString& shown)
    {
        const QString text = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
        // Not translated, rightly: nothing, numbers, the close glyph of the scratch pad, a tip read from the shipped
        // tips.
        static const QRegularExpression number(u"^\\d*$"_s);
        if (number.match(text).hasMatch() || text == u"x"_s || where->objectName() == u"lblTipText"_s)
            return;
        if (!text.startsWith(u'[') || !text.endsWith(u']'))
            m_untranslated << where->objectName() + u": "_s + text;
    }

    void walk(QWidget* window)
    {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (widget->isWindow())
                expectTranslated(widget, widget->windowTitle());
            for (const QString& text : {widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()})
                expectTranslated(widget, text);
            if (auto* label = qobject_cast<QLabel*>(widget))
                expectTranslated(widget, label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                expectTranslated(widget, button->text());
            if (auto* box = qobject_cast<QGroupBox*>(widget))
                expectTranslated(widget, box->title());
            if (auto* combo = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < combo->count(); ++i)
                    expectTranslated(widget, combo->itemText(i));
            if (auto* list = qobject_cast<QListWidget*>(widget))
                for (int i = 0; i < list->count(); ++i)
                    expectTranslated(widget, list->item(i)->text());
            for (const QAction* action : widget->actions()) {
                expectTranslated(action, action->text());
                expectTranslated(action, action->toolTip());
            }
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_pseudo);
    }

    void everyWindowMenuAndMessageIsTranslated()
    {
        // A second instance's splash says so; the first one shows itself with the board.
        FakePlatform fakes;
        TempDataDir dir;
        fakes.instanceGuard.otherInstanceRunning = true;
        QVERIFY(!frmSplash(fakes.platform, dir.dataDir()).Form_Load([] {}));
        fakes.instanceGuard.otherInstanceRunning = false;
        frmSplash splash(fakes.platform, dir.dataDir());
        QVERIFY(splash.Form_Load([&] { walk(&splash); }, {}, 0));

        // The board with every window open, and a check that asks for the password and lists a message.
        MailBoard board(emailFile(1, 300000));
        board.fakes.pop3.script = [](FakePop3Client& pop) {
            pop.messages = {FakePop3Client::message(u"Ann"_s, u"Lunch"_s, u"Mon, 1 Jan 2024"_s)};
        };
        for (const char* item : {"mnuPref", "mnunetsearch", "mnunewnote", "mnuscratch", "mnutips", "mnucredits"})
            board.action(item)->trigger();
        QTimer::singleShot(0, this, [this] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            walk(about);
            about->close();
        });
        board.action("mnuAbout")->trigger();
        // The setup window, and its message when a needed box is empty.
        board.withSetup([&](Esetup& setup) {
            walk(&setup);
            setup.findChild<QLineEdit*>(u"txtServer"_s)->clear();
            setup.findChild<QPushButton*>(u"Command2"_s)->click();
        });
        board.action("mnccheckemail")->trigger();
        QTRY_VERIFY(board.mail().check().passwordPrompt() && board.mail().check().passwordPrompt()->isVisible());
        walk(board.mail().check().passwordPrompt());
        QTest::keyClicks(QApplication::focusWidget(), u"pw"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(board.checkEnds());
        walk(board.mail().check().checkingWindow());
        board.mail().emailpic_Click();
        for (int column = 0; column < 3; ++column)
            expectTranslated(board.list(), board.list()->list().text(0, column));
        for (QWidget* window : QApplication::topLevelWidgets())
            walk(window);

        // The message boxes of a scratch pad closed with text and of an empty mailbox; the desktop notification
        // of new mail and the tray icon's tooltip.
        board.features.scratch->text()->setPlainText(u"text"_s);
        board.features.scratch->sclose_Click();
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
