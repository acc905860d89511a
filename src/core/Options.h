#pragma once

#include <array>

#include <QString>

class DataDir;

/// One of the ten programs of the user's own list.
struct ProgramEntry
{
    float number = 0; // carried through unchanged; nothing depends on it
    QString title;
    QString path;
};

constexpr int kProgramCount = 10;

/// options.dat: background picture, program list, launch-icon flags, board colour and tray-icon mode.
struct Options
{
    static constexpr const char* kName = "options.dat";

    QString backgroundPath;
    float centreFlag = 0;
    std::array<ProgramEntry, kProgramCount> programs{};
    float explorerFlag = 0;
    qint32 colour = 0; // red in the low byte, then green, then blue
    float myProgramsFlag = 0;
    float dialUpFlag = 0;
    float controlPanelFlag = 0;
    float calculatorFlag = 0;
    float notepadFlag = 0;
    float trayMode = 0;

    /// The whole file. Values the read does not reach keep what they held.
    bool readAll(const DataDir& dir);
    /// Record 1, the ten programs and the Explorer flag only: what a program menu needs before it opens.
    bool readProgramList(const DataDir& dir);
    bool write(const DataDir& dir) const;
};

/// How the tray icon is shown.
enum class TrayMode
{
    Always = 1,
    Never = 2,
    WhileNotOnTop = 3,
};
