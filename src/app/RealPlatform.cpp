#include "app/RealPlatform.h"

#include <QApplication>

#include "core/DataDir.h"
#include "platform/AutostartXdg.h"
#include "platform/Platform.h"
#include "platform/qt/ClipboardQt.h"
#include "platform/qt/ClockQt.h"
#include "platform/qt/DialogsQt.h"
#include "platform/qt/InstanceGuardQt.h"
#include "platform/qt/KeyringOnDemand.h"
#include "platform/qt/NotifierDBus.h"
#include "platform/qt/OnlineAccountsGoa.h"
#include "platform/qt/Pop3OnDemand.h"
#include "platform/qt/RandomQt.h"
#include "platform/qt/ScreensQt.h"
#include "platform/qt/SettingsStoreQt.h"
#include "platform/qt/ShellXdg.h"
#include "platform/qt/SoundOnDemand.h"
#include "platform/qt/TrashQt.h"
#include "platform/qt/TrayQt.h"
#include "platform/qt/VolumeOnDemand.h"

struct RealPlatform::Facilities
{
    explicit Facilities(const QString& dataDirectory)
        : instanceGuard(dataDirectory)
    {
    }

    // Each module loads on its first use: printing, sound, the mixer, mail and the keyring are each used by few
    // runs, and their libraries would otherwise load at every start.
    DialogsQt dialogs{modulePath(QApplication::applicationDirPath(), "zendra98print")};
    ShellXdg shell;
    SoundOnDemand sound{modulePath(QApplication::applicationDirPath(), "zendra98sound")};
    VolumeOnDemand volume{modulePath(QApplication::applicationDirPath(), "zendra98volume")};
    TrayQt tray;
    SettingsStoreQt settings;
    InstanceGuardQt instanceGuard;
    ClockQt clock;
    ScreensQt screens;
    Pop3FactoryOnDemand pop3{modulePath(QApplication::applicationDirPath(), "zendra98pop3")};
    KeyringOnDemand keyring{modulePath(QApplication::applicationDirPath(), "zendra98keyring")};
    NotifierDBus notifier;
    ClipboardQt clipboard;
    TrashQt trash;
    RandomQt random;
    AutostartXdg autostart = AutostartXdg::ofUser();
    OnlineAccountsGoa onlineAccounts;
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

RealPlatform::RealPlatform(const DataDir& dataDir)
    : m_facilities(std::make_unique<Facilities>(dataDir.directory()))
{
}

RealPlatform::~RealPlatform() = default;

Platform& RealPlatform::platform()
{
    return m_facilities->platform;
}

QString RealPlatform::modulePath(const QString& programDir, const char* name)
{
    // The modules lie in a folder of their own, so that no library folder of the system ever holds them.
    return programDir + QStringLiteral("/modules/") + QString::fromLatin1(name);
}
