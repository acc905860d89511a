#pragma once

#include <functional>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "BoardFixture.h"
#include "FakePop3Client.h"
#include "email/Esetup.h"
#include "email/MailCheck.h"
#include "email/MailController.h"
#include "email/frmEmail.h"

/// email.dat for the account joe at mail.example.org.
inline QByteArray emailFile(int flag,
                            qint64 interval,
                            const QString& password = {},
                            const QString& sound = {},
                            const QString& server = QStringLiteral("mail.example.org"),
                            const QString& account = QStringLiteral("joe"))
{
    return QStringLiteral("%1\r\n%2\r\n\"%6\"\r\n\"%3\"\r\n\"%5\"\r\n\"joe@example.org\"\r\n\"%4\"\r\n")
        .arg(flag)
        .arg(interval)
        .arg(password, sound, server, account)
        .toUtf8();
}

/// A board whose data directory holds `email`, loaded.
struct MailBoard : Board
{
    /// `uptime` is the monotonic clock's reading while the board loads.
    explicit MailBoard(const QByteArray& email, qint64 uptime = 0)
    {
        fakes.clock.now = uptime;
        dir.write(QStringLiteral("email.dat"), email);
        load();
        // With automatic checking the mail list window loads after the board's first paint.
        if (EmailSettings::readFrom(dir.dataDir()).automaticCheckConfigured())
            static_cast<void>(QTest::qWaitFor([this] { return mail().mailList() != nullptr; }, 5000));
    }
    MailController& mail() const { return *features.mail; }
    frmEmail* list() const { return mail().mailList(); }
    /// The mail list window's row as "from|subject|date".
    QString row(int row) const
    {
        const MailListModel& model = list()->list();
        return model.text(row, 0) + u'|' + model.text(row, 1) + u'|' + model.text(row, 2);
    }
    QPushButton* button(const char* name) const { return list()->findChild<QPushButton*>(QString::fromLatin1(name)); }
    /// Waits until the running check has ended.
    bool checkEnds() const
    {
        return QTest::qWaitFor([&] { return !mail().check().running(); }, 10'000);
    }
    /// Checks from the board's menu and waits until the check has ended.
    bool check() const
    {
        action("mnccheckemail")->trigger();
        return checkEnds();
    }
    /// Opens the setup window and runs `act` on it while it is open (it is modal).
    void withSetup(const std::function<void(Esetup&)>& act) const
    {
        QTimer::singleShot(0, [act] {
            auto* setup = qobject_cast<Esetup*>(QApplication::activeModalWidget());
            QVERIFY(setup);
            act(*setup);
            if (setup->isVisible())
                setup->reject();
        });
        mail().openSetup();
    }
};
