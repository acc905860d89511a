#pragma once

class Autostart;
class Clipboard;
class Clock;
class Dialogs;
class InstanceGuard;
class Keyring;
class Notifier;
class OnlineAccounts;
class Pop3Factory;
class Random;
class Screens;
class SettingsStore;
class Shell;
class Sound;
class Tray;
class Trash;
class Volume;

/// The outside facilities a window uses, handed in by the composition root or by a test.
struct Platform
{
    Dialogs& dialogs;
    Shell& shell;
    Sound& sound;
    Volume& volume;
    Tray& tray;
    SettingsStore& settings;
    InstanceGuard& instanceGuard;
    Clock& clock;
    Screens& screens;
    Pop3Factory& pop3;
    Keyring& keyring;
    Notifier& notifier;
    Clipboard& clipboard;
    Trash& trash;
    Random& random;
    Autostart& autostart;
    OnlineAccounts& onlineAccounts;
};
