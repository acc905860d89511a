#include "email/MailCheck.h"

#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>

#include "email/MailIndicator.h"
#include "email/frmChecking.h"
#include "email/frmEmail.h"
#include "email/frmPassword.h"
#include "platform/Dialogs.h"
#include "platform/Keyring.h"
#include "platform/Platform.h"
#include "platform/Sound.h"

namespace
{
// Rows are added in slices of this many milliseconds, so a mailbox of thousands never stalls the board.
constexpr qint64 kSliceMs = 4;

const MailListModel::Row kHeading{QStringLiteral("From:"), QStringLiteral("Subject:"), QStringLiteral("Date:")};

void showError(Dialogs& dialogs, const QString& text, const char* title)
{
    dialogs.message({text, QString::fromLatin1(title), MessageIcon::None, MessageButtons::Ok});
}
} // namespace

MailCheck::MailCheck(Platform& platform, MailIndicator& indicator, std::function<frmEmail&()> mailList)
    : m_platform(platform)
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

bool MailCheck::start(Variant variant, const EmailSettings& settings, const QString& password)
{
    if (m_running)
        return false;
    m_running = true;
    m_listing = false;
    m_variant = variant;
    m_settings = settings;
    m_count = 0;
    m_firstSubject.clear();
    m_events.clear();
    if (password.isEmpty())
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
        m_checking->setText(QStringLiteral("Checking for new mail on ") + m_settings.server + QStringLiteral(" for ") +
                            m_settings.account + u'.');
        m_checking->show();
        m_mailList().list().clearCells();
    } else {
        m_mailList().setCheckButtonEnabled(false);
    }

    m_client = m_platform.pop3.create();
    connect(m_client.get(), &Pop3Client::opened, this, [this](int count) { post(Opened{count}); });
    connect(m_client.get(), &Pop3Client::failed, this, [this](Pop3Error error, const QString& text) {
        post(Failed{error, text});
    });
    connect(m_client.get(), &Pop3Client::headersRetrieved, this, [this](int, const Pop3Headers& headers) {
        post(Row{headers});
    });
    connect(m_client.get(), &Pop3Client::messageFailed, this, [this](int, Pop3Error, const QString& text) {
        post(MessageFailed{text});
    });
    connect(m_client.get(), &Pop3Client::retrieved, this, [this] { post(Retrieved{}); });
    m_client->open({m_settings.server, m_settings.account, password});
}

void MailCheck::post(Event event)
{
    // Handled from the event loop, a slice at a time: a reply that brings a thousand headers at once then costs
    // the board one slice, not the time of a thousand rows.
    m_events.push_back(std::move(event));
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
            m_platform.dialogs.message({QStringLiteral("You have no new messages."),
                                        QStringLiteral("Sorry"),
                                        MessageIcon::Information,
                                        MessageButtons::Ok});
        }
        finish();
        return;
    }
    m_listing = true;
    m_mailList().list().reset(kHeading);
    m_client->retrieveHeaders(1, m_count);
}

void MailCheck::handle(const Failed& failed)
{
    if (!m_listing) {
        connectFailed(failed.text);
        return;
    }
    // The session broke off in the middle of the list: what was listed stays, the rest is reported once.
    showError(m_platform.dialogs, failed.text, "Error during RetrieveCurrentMsg");
    alert();
    finish();
}

void MailCheck::connectFailed(const QString& text)
{
    // The list keeps only its heading row; the alert still sounds, as after a listing.
    m_mailList().list().reset(kHeading);
    showError(m_platform.dialogs, text, "Error during Connect");
    alert();
    finish();
}

void MailCheck::addRows(const std::vector<Pop3Headers>& rows)
{
    frmEmail& window = m_mailList();
    window.setMessageCount(m_count);
    if (window.list().rowCount() == 1)
        m_firstSubject = rows.front().subject;
    std::vector<MailListModel::Row> cells;
    cells.reserve(rows.size());
    for (const Pop3Headers& headers : rows)
        cells.push_back({headers.from, headers.subject, headers.date});
    window.list().addRows(cells);
    window.setLastChecked(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    if (!m_indicator.isShown())
        m_indicator.show();
}

void MailCheck::handle(const MessageFailed& failed)
{
    showError(m_platform.dialogs, failed.text, "Error during RetrieveCurrentMsg");
}

void MailCheck::handle(const Retrieved&)
{
    m_client->close();
    Q_EMIT mailListed(m_count, m_firstSubject);
    alert();
    finish();
}

void MailCheck::alert()
{
    if (!m_settings.alertSound.isEmpty())
        m_platform.sound.play(m_settings.alertSound);
}

void MailCheck::finish()
{
    if (m_client) {
        m_client->close();
        // Its signals may still be on their way up the stack: the client goes once they have returned.
        m_client.release()->deleteLater();
    }
    m_events.clear();
    m_listing = false;
    if (m_variant == Variant::Board && m_checking)
        m_checking->hide();
    if (m_variant == Variant::List)
        m_mailList().setCheckButtonEnabled(true);
    m_running = false;
    Q_EMIT finished();
}
