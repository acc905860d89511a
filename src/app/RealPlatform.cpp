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
#include "platform/qt/Pop3ClientQt.h"
#include "platform/qt/RandomQt.h"
#include "platform/qt/ScreensQt.h"
#include "platform/qt/SettingsStoreQt.h"
#include "platform/qt/ShellXdg.h"
#include "platform/qt/SoundOnDemand.h"
#include "platform/qt/TrashQt.h"
#include "platform/qt/TrayQt.h"
#ifdef ZENDRA_HAVE_ALSA
#include "platform/qt/VolumeAlsa.h"
#else
#include "platform/qt/VolumeNone.h"
#endif

namespace
{
#ifdef ZENDRA_HAVE_ALSA
using VolumeReal = VolumeAlsa;
#else
using VolumeReal = VolumeNone;
#endif
} // namespace

struct RealPlatform::Facilities
{
    explicit Facilities(const QString& dataDirectory)
        : instanceGuard(dataDirectory)
    {
    }

    DialogsQt dialogs;
    ShellXdg shell;
    SoundOnDemand sound{modulePath(QApplication::applicationDirPath(), "zendra98sound")};
    VolumeReal volume;
    TrayQt tray;
    SettingsStoreQt settings;
    InstanceGuardQt instanceGuard;
    ClockQt clock;
    ScreensQt screens;
    Pop3FactoryQt pop3;
    KeyringOnDemand keyring{modulePath(QApplication::applicationDirPath(), "zendra98keyring")};
    NotifierDBus notifier;
    ClipboardQt clipboard;
    TrashQt trash;
    RandomQt random;
    AutostartXdg autostart = AutostartXdg::ofUser();
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
                      autostart};
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
