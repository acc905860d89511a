#pragma once

#include <functional>

#include <QFile>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QRandomGenerator>
#include <QUrl>

#include "platform/Autostart.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/InstanceGuard.h"
#include "platform/Keyring.h"
#include "platform/Notifier.h"
#include "platform/OnlineAccounts.h"
#include "platform/Platform.h"
#include "platform/Pop3Client.h"
#include "platform/Random.h"
#include "platform/Screens.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Trash.h"
#include "platform/Tray.h"
#include "platform/Volume.h"

/// Records every message box and answers from a script; an empty script answers the first button. The open-file
/// dialog answers the next of `chosenFiles`, the print dialog prints to `printToPdf`; without them they answer as
/// a cancel. `whileOpen` runs once, while the next message box is open, as the user could act then.
class FakeDialogs final : public Dialogs
{
public:
    QList<MessageRequest> messages;
    QList<MessageAnswer> answers;
    std::function<void()> whileOpen;
    QList<OpenFileRequest> openRequests;
    QStringList chosenFiles;
    /// Whether each print dialog offered a selection.
    QList<bool> printRequests;
    QString printToPdf;
    /// The input box answers the next of `inputAnswers`, else a cancel; `inputInitials` records what it proposed.
    QStringList inputAnswers;
    QStringList inputInitials;

    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const QString&, const QString&, const QString& initial) override
    {
        inputInitials << initial;
        return inputAnswers.isEmpty() ? std::nullopt : std::optional<QString>(inputAnswers.takeFirst());
    }
    std::optional<QString> openFile(const OpenFileRequest& request) override
    {
        openRequests << request;
        return chosenFiles.isEmpty() ? std::nullopt : std::optional<QString>(chosenFiles.takeFirst());
    }
    /// The title of every colour dialog; the dialog answers `chosenColour`, a cancel when that is invalid.
    QStringList colourTitles;
    QColor chosenColour;
    std::optional<QColor> chooseColour(const QColor&, const QString& title) override
    {
        colourTitles << title;
        return chosenColour.isValid() ? std::optional<QColor>(chosenColour) : std::nullopt;
    }
    /// Prints the selection when there is one, as the user choosing it would.
    bool print(const PrintRequest& request) override;
};

class FakeShell final : public Shell
{
public:
    QList<QUrl> opened;
    QStringList ran;

    void open(const QUrl& target) override { opened << target; }
    bool run(const QString& commandLine) override
    {
        ran << commandLine;
        return true;
    }
};

class FakeSound final : public Sound
{
public:
    QStringList played;
    void play(const QString& wavePath) override { played << wavePath; }
};

/// A mixer holding one value; `present` false behaves like a machine without a mixer.
class FakeVolume final : public Volume
{
public:
    quint32 level = 0;
    bool present = true;
    int sets = 0;

    std::optional<quint32> volume() override { return present ? std::optional<quint32>(level) : std::nullopt; }
    void setVolume(quint32 volume) override
    {
        ++sets;
        level = volume;
    }
};

class FakeTray final : public Tray
{
    Q_OBJECT

public:
    enum class Call
    {
        Add,
        Remove,
    };
    QList<Call> calls;
    QString tooltip;

    void addIcon(int, const QIcon&, const QString& tip) override
    {
        calls << Call::Add;
        tooltip = tip;
    }
    void removeIcon(int) override { calls << Call::Remove; }
};

class FakeSettingsStore final : public SettingsStore
{
public:
    QHash<QString, QString> values;
    QString value(const QString& section, const QString& key) const override
    {
        return values.value(section + u'/' + key);
    }
    void setValue(const QString& section, const QString& key, const QString& value) override
    {
        values.insert(section + u'/' + key, value);
    }
};

class FakeInstanceGuard final : public InstanceGuard
{
public:
    bool otherInstanceRunning = false;
    bool tryAcquire() override { return !otherInstanceRunning; }
};

class FakeClock final : public Clock
{
public:
    qint64 now = 0;
    QDateTime wallTime{QDate(2026, 12, 7), QTime(9, 30)};
    qint64 milliseconds() const override { return now; }
    QDateTime dateTime() const override { return wallTime; }
};

/// One 1024 x 768 screen unless a test sets others.
class FakeScreens final : public Screens
{
public:
    QList<QRect> screens{QRect(0, 0, 1024, 768)};

    QList<QRect> geometries() const override { return screens; }
    QRect primary() const override { return screens.value(0); }
    QPoint pointer() const override { return {}; }
};

/// Hands each check a scripted mailbox (`script` fills it in). Every client made is kept in `made` while it lives.
class FakePop3Client;
class FakePop3Factory final : public Pop3Factory
{
public:
    std::function<void(FakePop3Client&)> script;
    QList<QPointer<Pop3Client>> made;
    /// The account of every scripted open, in order.
    QList<Pop3Account> opens;

    std::unique_ptr<Pop3Client> create() override;
    /// The newest client made, if it still lives.
    FakePop3Client* last() const;
};

/// Passwords in memory, answered from the event loop as the real keyring answers. `available` false answers every
/// request Unavailable, `refuse` answers Refused as a locked keyring does.
class FakeKeyring final : public Keyring
{
public:
    QHash<QString, QString> passwords;
    bool available = true;
    bool refuse = false;
    int delayMs = 0; // a keyring slow to answer

    void read(const QString& key, Callback done) override;
    void write(const QString& key, const QString& password, Callback done) override;
    void remove(const QString& key, Callback done) override;
    void checkAvailable(Callback done) override;

private:
    /// Answers `done` from the event loop with `result`, or with Unavailable or Refused when so set by then.
    void answerLater(Callback done, std::function<KeyringAnswer()> result);
    QObject m_context;
};

class FakeNotifier final : public Notifier
{
public:
    /// Title and body of every notification.
    QList<std::pair<QString, QString>> notifications;
    void notify(const QString& title, const QString& body) override { notifications.append({title, body}); }
};

class FakeClipboard final : public Clipboard
{
public:
    QString contents;
    QString text() const override { return contents; }
    void setText(const QString& text) override { contents = text; }
};

/// Takes each file away as a trash would; `trashed` lists the paths.
class FakeTrash final : public Trash
{
public:
    QStringList trashed;
    bool moveToTrash(const QString& path) override
    {
        if (!QFile::remove(path))
            return false;
        trashed << path;
        return true;
    }
};

/// A seeded generator, so that a run can be repeated.
class FakeRandom final : public Random
{
public:
    QRandomGenerator generator{20261206};
    double fraction() override { return generator.generateDouble(); }
};

class FakeAutostart final : public Autostart
{
public:
    bool on = false;
    QString location() const override { return QStringLiteral("/home/user/.config/autostart/zendra98.desktop"); }
    bool enabled() const override { return on; }
    bool setEnabled(bool enable) override
    {
        on = enable;
        return true;
    }
};

/// The desktop's online accounts from memory, answered from the event loop. `available` false answers Unavailable;
/// each token request takes the next of `tokens` (an empty one is refused by the desktop). `requests` reads
/// "list" and "token <identity>" or "renew <identity>".
class FakeOnlineAccounts final : public OnlineAccounts
{
public:
    bool available = true;
    QList<OnlineAccount> accounts;
    QStringList tokens;
    QStringList requests;

    void list(Callback done) override;
    void accessToken(const QString& providerType, const QString& identity, bool renew, Callback done) override;

private:
    QObject m_context;
};

/// Every facility faked, ready to hand to a window.
struct FakePlatform
{
    FakeDialogs dialogs;
    FakeShell shell;
    FakeSound sound;
    FakeVolume volume;
    FakeTray tray;
    FakeSettingsStore settings;
    FakeInstanceGuard instanceGuard;
    FakeClock clock;
    FakeScreens screens;
    FakePop3Factory pop3;
    FakeKeyring keyring;
    FakeNotifier notifier;
    FakeClipboard clipboard;
    FakeTrash trash;
    FakeRandom random;
    FakeAutostart autostart;
    FakeOnlineAccounts onlineAccounts;
    Platform platform{dialogs,
                      shell,
                      sound,
                      volume,
                      tray,
                      settings,
                      instanceGuard,
                      clock,
                      screens,
                      pop3,
                      keyring,
                      notifier,
                      clipboard,
                      trash,
                      random,
                      autostart,
                      onlineAccounts};
};
