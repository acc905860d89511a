#pragma once

#include <QString>
#include <QtGlobal>

class BoardSurface;
class OptionsModel;
struct Options;

/// Makes the board show the stored options. The start-up variant runs its steps at their places in the board's
/// load; the preferences variant runs as one step right after the options were written.
namespace ApplyOptions
{
void boardColour(BoardSurface& board, qint32 colour);
/// 1: show the tray icon; 2: remove it; 3: show it only while the board is not on top; else neither.
void trayIcon(BoardSurface& board, float mode);
/// Shows the launch icons whose flag is set; the start-up variant never hides one.
void launchIconsAtStartup(OptionsModel& shown, const Options& options);
/// Loads the background picture when the file exists and the centre flag is 0 (design place) or 1 (centred).
void backgroundAtStartup(BoardSurface& board, const Options& options);

/// The preferences window's control values.
struct PreferenceValues
{
    QString picturePath;
    bool centrePicture = false;
    bool explorer = false;
    bool myPrograms = false;
    bool dialUp = false;
    bool controlPanel = false;
    bool calculator = false;
    bool notepad = false;
    qint32 colour = 0;
    float trayMode = 0;
};
void fromPreferences(BoardSurface& board, OptionsModel& shown, const PreferenceValues& values);
} // namespace ApplyOptions
