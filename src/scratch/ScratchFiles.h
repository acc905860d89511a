#pragma once

#include <QString>

class DataDir;

/// scratch.dat: whether the pad opens at start-up, and its text.
struct ScratchFile
{
    static constexpr const char* kName = "scratch.dat";

    float open = 0;
    QString text;

    bool read(const DataDir& dir);
    /// `flushToDisk` off for the save after every key, which must not wait for the disk.
    static bool write(const DataDir& dir, int open, const QString& text, bool flushToDisk = true);
};

/// autosave.dat: the automatic-save setting and its check mark, always written equal.
struct AutosaveFile
{
    static constexpr const char* kName = "autosave.dat";

    float autosave = 0;
    float checked = 0;

    bool read(const DataDir& dir);
    static bool write(const DataDir& dir, bool on);
};
