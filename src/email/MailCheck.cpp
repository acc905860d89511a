#include "email/MailCheck.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QTime>
#include <QTimer>

#include "email/MailIndicator.h"
#include "email/MailSecurity.h"
#include "email/frmChecking.h"
#include "email/frmEmail.h"
#include "email/frmPassword.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Keyring.h"
#include "platform/OnlineAccounts.h"
#include "platform/Platform.h"
#include "platform/Pop3Protocol.h"
#include "platform/Sound.h"

namespace
{
// Rows are added in slices of this many milliseconds, so a mailbox of thousands never stalls the board.
constexpr qint64 kSliceMs = 4;

MailListModel::Row heading()
{
    return {MailCheck::tr("From:"), MailCheck::tr("Subject:"), MailCheck::tr("Date:")};
}

/// A box with words from the server in it: shown as one line of text that control characters cannot reorder.
MessageRequest error(const QString& text, const QString& title)
{
    return {Pop3Protocol::displayText(text), title, MessageIcon::None, MessageButtons::Ok};
}

QString when(const QDateTime& time)
{
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}
} // namespace

MailCheck::MailCheck(Platform& platform,
                     const DataDir& dataDir,
                     MailIndicator& indicator,
                     std::function<frmEmail&()> mailList)
    : m_platform(platform)
    , m_dataDir(dataDir)
    , m_indicator(indicator)
    , m_mailList(std::move(mailList))
{
}

MailCheck::~MailCheck()
{
    if (m_client)
        m_client->close();
    delete m_prompt;
    delete m_checking;
}

frmChecking* MailCheck::checkingWindow() const
{
    return m_checking;
}

frmPassword* MailCheck::passwordPrompt() const
{
    return m_prompt;
}

bool MailCheck::start(Variant variant, const EmailSettings& settings, const QString& password, bool automatic)
{
    if (m_running)
        return false;
    m_running = true;
    m_listing = false;
    m_variant = variant;
    m_automatic = automatic;
    m_settings = settings;
    m_count = 0;
    m_listed = 0;
    m_failures = 0;
    m_firstFailure.clear();
    m_firstSubject.clear();
    m_events.clear();
    const MailSecurity security = MailSecurity::readFrom(m_dataDir, settings.server);
    m_onlineProvider = security.onlineProvider;
    m_onlineIdentity = security.onlineIdentity;
    m_tokenRenewed = false;
    if (security.usesOnlineAccount())
        tokenFromDesktop(false);
    else if (password.isEmpty())
        passwordFromKeyring();
    else
        connectWith(password);
    return true;
}

void MailCheck::passwordFromKeyring()
{
    // The setup window keeps the password in the desktop's keyring where there is one; without one, or with
    // nothing kept there, the user is asked.
    m_platform.keyring.read(m_settings.keyringKey(), [self = QPointer<MailCheck>(this)](const KeyringAnswer& answer) {
        if (!self || !self->m_running)
            return;
        if (answer.status == KeyringAnswer::Ok && !answer.password.isEmpty())
            self->connectWith(answer.password);
        else
            self->askPassword();
    });
}

void MailCheck::tokenFromDesktop(bool renew)
{
    m_platform.onlineAccounts.accessToken(
        m_onlineProvider,
        m_onlineIdentity,
        renew,
        [self = QPointer<MailCheck>(this)](const OnlineAccountsAnswer& answer) {
            if (!self || !self->m_running)
                return;
            const QString& identity = self->m_onlineIdentity;
            switch (answer.status) {
            case OnlineAccountsAnswer::Ok:
                self->m_accessToken = answer.accessToken;
                if (self->m_tokenRenewed)
                    self->openSession();
                else
                    self->connectWith(QString());
                return;
            case OnlineAccountsAnswer::NotFound:
                return self->connectFailed(tr("The online account %1 is no longer on this desktop. Choose another "
                                              "account, or enter a password, in Email Setup.")
                                               .arg(identity));
            case OnlineAccountsAnswer::Unavailable:
                return self->connectFailed(tr("The desktop's online accounts do not answer, so %1 cannot sign in. "
                                              "Check that GNOME Online Accounts is installed and running.")
                                               .arg(identity));
            case OnlineAccountsAnswer::Refused:
                return self->connectFailed(signInAgain(identity));
            }
        });
}

QString MailCheck::signInAgain(const QString& identity)
{
    return tr("The sign-in of the online account %1 was refused. Sign in to it again in the desktop's settings "
              "(Online Accounts), then check again.")
        .arg(identity);
}

void MailCheck::askPassword()
{
    m_prompt = new frmPassword;
    connect(m_prompt, &frmPassword::answered, this, [this](const QString& answer) {
        Q_EMIT passwordChosen(answer);
        connectWith(answer);
    });
    m_prompt->show();
    m_prompt->activateWindow();
}

void MailCheck::connectWith(const QString& password)
{
    if (password == QLatin1String(frmPassword::kCancelMarker)) {
        finish();
        return;
    }
    if (m_variant == Variant::Board) {
        if (!m_checking)
            m_checking = new frmChecking;
        m_checking->setText(tr("Checking for new mail on %1 for %2.").arg(m_settings.server, m_settings.account));
        m_checking->show();
        m_mailList().list().clearCells();
    } else {
        m_mailList().setCheckButtonEnabled(false);
    }
    m_password = password;
    openSession();
}

void MailCheck::openSession()
{
    const MailSecurity security = MailSecurity::readFrom(m_dataDir, m_settings.server);
    m_mailList().showSecurity(security.security);
    m_client = m_platform.pop3.create();
    m_clientPaused = false;
    Pop3Client* client = m_client.get();
    connect(client, &Pop3Client::opened, this, [this](int count) { post(Opened{count}); });
    connect(client, &Pop3Client::failed, this, [this, client](Pop3Error error, const QString& text) {
        post(Failed{error, text, client->certificate()});
    });
    connect(
        client, &Pop3Client::headersRetrieved, this, [this](int, const Pop3Headers& headers) { post(Row{headers}); });
    connect(client, &Pop3Client::messageFailed, this, [this](int, Pop3Error, const QString& text) {
        post(MessageFailed{text});
    });
    connect(client, &Pop3Client::retrieved, this, [this] { post(Retrieved{}); });
    m_client->open({m_settings.server,
                    m_settings.account,
                    m_password,
                    security.security,
                    security.certificateFor(m_settings.keyringKey()),
                    m_accessToken});
}

MessageAnswer MailCheck::ask(const MessageRequest& request)
{
    // Nothing more is read from the server while the person is asked: what it sends meanwhile waits in the
    // connection, not in memory.
    if (m_client)
        m_client->setPaused(true);
    const QPointer<MailCheck> self(this);
    const MessageAnswer answer = m_platform.dialogs.message(request);
    if (self && m_client && !m_clientPaused)
        m_client->setPaused(false);
    return answer;
}

void MailCheck::post(Event event)
{
    // Handled from the event loop, a slice at a time: a reply that brings a thousand headers at once then costs
    // the board one slice, not the time of a thousand rows.
    m_events.push_back(std::move(event));
    // The list falls behind a fast server: stop reading until it has caught up.
    if (m_events.size() >= kMaxBacklog && m_client && !m_clientPaused) {
        m_clientPaused = true;
        m_client->setPaused(true);
    }
    if (!m_drainScheduled) {
        m_drainScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_drainScheduled = false;
            drain();
        });
    }
}

void MailCheck::drain()
{
    // A message box opened by one event lets the loop run: what arrives meanwhile waits here, in order, until the
    // box is answered, as it would in a check that reads one message after the other.
    if (m_draining)
        return;
    m_draining = true;
    QElapsedTimer slice;
    slice.start();
    while (!m_events.empty() && m_running && slice.elapsed() < kSliceMs) {
        // Rows that follow each other go into the list together.
        std::vector<Pop3Headers> rows;
        while (!m_events.empty() && std::holds_alternative<Row>(m_events.front()) && slice.elapsed() < kSliceMs) {
            rows.push_back(std::get<Row>(m_events.front()).headers);
            m_events.pop_front();
        }
        if (!rows.empty()) {
            addRows(rows);
            continue;
        }
        // The slice can run out between the two tests above, before the first row was taken: that row waits for
        // the next slice rather than being passed on below, where it would be lost.
        if (std::holds_alternative<Row>(m_events.front()))
            break;
        Event event = std::move(m_events.front());
        m_events.pop_front();
        std::visit(
            [this](const auto& happened) {
                // Rows never come this way: the loop above takes them.
                if constexpr (!std::is_same_v<std::decay_t<decltype(happened)>, Row>)
                    handle(happened);
            },
            event);
    }
    m_draining = false;
    if (m_clientPaused && m_client && m_events.size() < kMaxBacklog / 2) {
        m_clientPaused = false;
        m_client->setPaused(false);
    }
    if (!m_events.empty() && m_running && !m_drainScheduled) {
        m_drainScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_drainScheduled = false;
            drain();
        });
    }
}

void MailCheck::handle(const Opened& opened)
{
    m_count = opened.count;
    if (m_count == 0) {
        // Nothing waiting: the board says so, the list's check says nothing; neither plays the alert.
        if (m_variant == Variant::Board) {
            ask({tr("You have no new messages."), tr("Sorry"), MessageIcon::Information, MessageButtons::Ok});
        }
        finish();
        return;
    }
    m_listing = true;
    m_listed = qMin(m_count, kMaxRows);
    m_mailList().list().reset(heading());
    m_client->retrieveHeaders(1, m_listed);
}

void MailCheck::handle(const Failed& failed)
{
    if (m_listing) {
        // The session broke off in the middle of the list: what was listed stays, the rest is reported once.
        if (m_failures == 0)
            ask(error(failed.text, tr("Error during RetrieveCurrentMsg")));
        else
            reportFailures();
        alert();
        finish();
        return;
    }
    const bool certificate =
        failed.error == Pop3Error::CertificateUntrusted || failed.error == Pop3Error::CertificateChanged;
    if (certificate && m_automatic) {
        // Nobody asked for this check, so nobody is asked: the list window says what happened.
        m_mailList().setStatus(tr("The automatic check at %1 failed: %2")
                                   .arg(QLocale().toString(m_platform.clock.dateTime().time(), QLocale::ShortFormat),
                                        Pop3Protocol::displayText(failed.text)));
        finish();
        return;
    }
    if (failed.error == Pop3Error::TokenRefused) {
        // An expired token is refused too: the desktop is asked for a fresh one, once.
        finishClient();
        if (m_tokenRenewed)
            return connectFailed(signInAgain(m_onlineIdentity));
        m_tokenRenewed = true;
        m_accessToken.clear();
        return tokenFromDesktop(true);
    }
    if (failed.error == Pop3Error::CertificateUntrusted && failed.certificate) {
        askToTrust(*failed.certificate);
        return;
    }
    connectFailed(failed.text);
}

void MailCheck::askToTrust(const Pop3Certificate& certificate)
{
    const QString text = tr("The certificate of the mail server %1 is not trusted: %2.\n\n"
                            "Issued to: %3\nIssued by: %4\nValid from %5 to %6\nSHA-256 fingerprint: %7\n\n"
                            "Do you want to trust this certificate for this account? Do so only if you know that the "
                            "server uses it. A different certificate will then be refused.")
                             .arg(m_settings.server,
                                  certificate.problems.join(QStringLiteral("; ")),
                                  Pop3Protocol::displayText(certificate.subject),
                                  Pop3Protocol::displayText(certificate.issuer),
                                  when(certificate.validFrom),
                                  when(certificate.validTo),
                                  certificate.fingerprint);
    finishClient();
    // The question stands in for the checking window while it is open, and belongs to the board, not to it.
    if (m_checking)
        m_checking->hide();
    if (ask({text, tr("Untrusted Certificate"), MessageIcon::Warning, MessageButtons::YesNo}) != MessageAnswer::Yes) {
        finish();
        return;
    }
    if (m_variant == Variant::Board && m_checking)
        m_checking->show();
    MailSecurity security = MailSecurity::readFrom(m_dataDir, m_settings.server);
    security.certificateAccount = m_settings.keyringKey();
    security.certificate = certificate.fingerprint;
    if (!security.write(m_dataDir)) {
        connectFailed(tr("The trusted certificate could not be saved in %1.")
                          .arg(m_dataDir.file(QString::fromLatin1(MailSecurity::kName))));
        return;
    }
    openSession();
}

void MailCheck::connectFailed(const QString& text)
{
    // The list keeps only its heading row; the alert still sounds, as after a listing.
    m_mailList().list().reset(heading());
    ask(error(text, tr("Error during Connect")));
    alert();
    finish();
}

void MailCheck::reportFailures()
{
    // One box for the whole check: a mailbox of thousands of unreadable messages is one answer, not thousands.
    if (m_failures == 1) {
        ask(error(m_firstFailure, tr("Error during RetrieveCurrentMsg")));
    } else if (m_failures > 1) {
        ask(error(tr("%n messages could not be read. The first error: %1", nullptr, m_failures).arg(m_firstFailure),
                  tr("Error during RetrieveCurrentMsg")));
    }
}

void MailCheck::addRows(const std::vector<Pop3Headers>& rows)
{
    frmEmail& window = m_mailList();
    window.setMessageCount(m_count, m_listed);
    if (window.list().rowCount() == 1)
        m_firstSubject = rows.front().subject;
    std::vector<MailListModel::Row> cells;
    cells.reserve(rows.size());
    for (const Pop3Headers& headers : rows)
        cells.push_back({headers.from, headers.subject, headers.date});
    window.list().addRows(cells);
    window.setLastChecked(QLocale::system().toString(m_platform.clock.dateTime().date(), QLocale::ShortFormat));
    if (!m_indicator.isShown())
        m_indicator.show();
}

void MailCheck::handle(const MessageFailed& failed)
{
    if (m_failures++ == 0)
        m_firstFailure = failed.text;
}

void MailCheck::handle(const Retrieved&)
{
    m_client->close();
    if (m_count > m_listed) {
        m_mailList().list().addRow(
            {QString(), tr("%n more message(s) not listed", nullptr, m_count - m_listed), QString()});
    }
    reportFailures();
    Q_EMIT mailListed(m_count, m_firstSubject);
    alert();
    finish();
}

void MailCheck::alert()
{
    if (!m_settings.alertSound.isEmpty())
        m_platform.sound.play(m_settings.alertSound);
}

void MailCheck::finishClient()
{
    if (m_client) {
        m_client->close();
        // Its signals may still be on their way up the stack: the client goes once they have returned.
        m_client.release()->deleteLater();
    }
    m_events.clear();
}

void MailCheck::finish()
{
    finishClient();
    m_accessToken.clear();
    m_listing = false;
    if (m_variant == Variant::Board && m_checking)
        m_checking->hide();
    if (m_variant == Variant::List)
        m_mailList().setCheckButtonEnabled(true);
    m_running = false;
    Q_EMIT finished();
}
