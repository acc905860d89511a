#pragma once

class DataDir;
class Form1;
class InfoWindows;
class LaunchIcons;
class MailController;
class NetSearch;
class NoteSlots;
class PreferencesController;
class ScratchPad;
struct Platform;

/// The features on the board, as the composition root built them; the board owns them.
struct BoardFeatures
{
    LaunchIcons* launch = nullptr;
    MailController* mail = nullptr;
    NoteSlots* notes = nullptr;
    ScratchPad* scratch = nullptr;
    InfoWindows* info = nullptr;
    NetSearch* netSearch = nullptr;
    PreferencesController* preferences = nullptr;
};

/// Builds every feature on `board`, connects them where one serves another, and hands them to the board.
BoardFeatures buildFeatures(Form1& board, Platform& platform, const DataDir& dataDir);

/// The board's load: reads the data files in their fixed order, each opened, read and closed in turn with
/// errors ignored, and builds the board from what they hold.
void loadBoard(Form1& board, const BoardFeatures& features, const DataDir& dataDir);
