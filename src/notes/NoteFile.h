#pragma once

#include <QString>

class DataDir;

constexpr int kNoteSlotCount = 5;

/// 1.zrn to 5.zrn: the text of the note in one slot.
struct NoteFile
{
    static QString nameOf(int slot);

    QString text;

    /// Values the read does not reach keep what they held.
    bool read(const DataDir& dir, int slot);
};
