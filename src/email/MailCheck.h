#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include <QObject>
#include <QPointer>

#include "core/DataDir.h"
#include "email/EmailSettings.h"
#include "platform/Dialogs.h"
#include "platform/Pop3Client.h"

class MailIndicator;
class frmChecking;
class frmEmail;
class frmPassword;
struct Platform;

/// One mail check at a time: the password, the session with the mailbox, the listing in the mail list window,
/// the board's light and the alert. Everything happens on the event loop, so the board repaints, drags and
/// opens its menu while a check waits for the server or the user.
///
/// Two variants share the steps. The board's check shows the checking window and says when there is no mail.
/// The mail list window's check (its button and its timer) is silent on an empty mailbox and disables that
/// button while it runs.
///
/// What the server sends is held to a bounded cost: at most `kMaxRows` messages are listed (a last row says how
/// many more wait), the client is paused while the list falls behind or a question is open, and the messages that
/// could not be read are reported in one box at the end, not one box each.
class MailCheck final : public QObject
{
    Q_OBJECT

public:
    enum class Variant
    {
        Board,
        List,
    };

    /// The most messages one check lists.
    static constexpr int kMaxRows = 50'000;
    /// Answers that may wait for the list before the client stops reading the server.
    static constexpr std::size_t kMaxBacklog = 4096;

    /// `mailList` gives the mail list window, loading it hidden when it is not loaded yet.
    MailCheck(Platform& platform,
              const DataDir& dataDir,
              MailIndicator& indicator,
              std::function<frmEmail&()> mailList);
    ~MailCheck() override;

    bool running() const { return m_running; }
    /// Starts a check of `settings`' mailbox with `password`; an empty one is asked for, unless the account signs
    /// in through one of the desktop's online accounts, which is then asked for a token. Returns false, and
    /// nothing happens, while another check runs. An automatic check (`automatic`) asks nothing of a certificate
    /// the system does not trust: it fails and says so in the mail list window.
    bool start(Variant variant, const EmailSettings& settings, const QString& password, bool automatic = false);

    /// The checking window, once a board check has shown it.
    frmChecking* checkingWindow() const;
    /// The password prompt while it is open.
    frmPassword* passwordPrompt() const;

Q_SIGNALS:
    /// The password prompt answered: the typed password, or the cancel marker.
    void passwordChosen(const QString& password);
    /// A listing found `count` messages; `firstSubject` is the first one's subject.
    void mailListed(int count, const QString& firstSubject);
    void finished();

private:
    struct Opened
    {
        int count;
    };
    struct Failed
    {
        Pop3Error error;
        QString text;
        std::optional<Pop3Certificate> certificate;
    };
    struct Row
    {
        Pop3Headers headers;
    };
    struct MessageFailed
    {
        QString text;
    };
    struct Retrieved
    {
    };
    using Event = std::variant<Opened, Failed, Row, MessageFailed, Retrieved>;

    void passwordFromKeyring();
    /// Asks the desktop for the online account's token; with `renew` after the server refused the last one.
    void tokenFromDesktop(bool renew);
    void askPassword();
    /// The failure that sends the person to the desktop's settings.
    static QString signInAgain(const QString& identity);
    void connectWith(const QString& password);
    void openSession();
    MessageAnswer ask(const MessageRequest& request);
    void askToTrust(const Pop3Certificate& certificate);
    void reportFailures();
    void finishClient();
    void post(Event event);
    void drain();
    void handle(const Opened& opened);
    void handle(const Failed& failed);
    void addRows(const std::vector<Pop3Headers>& rows);
    void handle(const MessageFailed& failed);
    void handle(const Retrieved&);
    void connectFailed(const QString& text);
    void alert();
    void finish();

    Platform& m_platform;
    DataDir m_dataDir;
    MailIndicator& m_indicator;
    std::function<frmEmail&()> m_mailList;
    QPointer<frmChecking> m_checking;
    QPointer<frmPassword> m_prompt;

    bool m_running = false;
    bool m_listing = false;
    Variant m_variant = Variant::Board;
    bool m_automatic = false;
    EmailSettings m_settings;
    QString m_password;
    /// The online account this check signs in with ("google", "name@gmail.com"), if any, and its token while the
    /// check runs; the token is never kept beyond it.
    QString m_onlineProvider;
    QString m_onlineIdentity;
    QString m_accessToken;
    bool m_tokenRenewed = false;
    int m_count = 0;
    int m_listed = 0; // the messages asked for: the count, up to kMaxRows
    int m_failures = 0;
    QString m_firstFailure;
    QString m_firstSubject;
    std::unique_ptr<Pop3Client> m_client;
    std::deque<Event> m_events;
    bool m_draining = false;
    bool m_clientPaused = false;
    bool m_drainScheduled = false;
};
