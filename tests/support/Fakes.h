#pragma once

#include <QHash>
#include <QList>
#include <QUrl>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Tray.h"
#include "platform/Volume.h"

/// Records every message box and answers from a script; an empty script answers the first button.
class FakeDialogs final : public Dialogs
{
public:
    QList<MessageRequest> messages;
    QList<MessageAnswer> answers;
    QList<std::optional<QString>> inputs;
    QList<std::optional<QString>> files;
    QList<std::optional<QColor>> colours;

    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
};

class FakeShell final : public Shell
{
public:
    QList<QUrl> opened;
    QStringList ran;
    bool runSucceeds = true;

    void open(const QUrl& target) override { opened << target; }
    bool run(const QString& commandLine) override
    {
        ran << commandLine;
        return runSucceeds;
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

    std::optional<quint32> volume() override
    {
        if (!present)
            return std::nullopt;
        return level;
    }
    void setVolume(quint32 volume) override
    {
        ++sets;
        if (present)
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
    bool shown = false;

    void addIcon(int id, const QIcon& icon, const QString& tip) override;
    void removeIcon(int id) override;
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
    qint64 milliseconds() const override { return now; }
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
    Platform platform{dialogs, shell, sound, volume, tray, settings, instanceGuard, clock};
};
