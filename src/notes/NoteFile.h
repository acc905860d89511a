#pragma once

#include <array>
#include <optional>

#include <QString>

class DataDir;
class QDateTime;

constexpr int kNoteSlotCount = 5;

/// 1.zrn to 5.zrn: the text of the note in one slot, one record of one text field.
struct NoteFile
{
    static QString nameOf(int slot);
    /// The slot a file belongs to by its name alone: "1.zrn" to "5.zrn", letter case included, in any folder;
    /// 0 for every other name.
    static int slotOfPath(const QString& path);
    /// What a note icon's tooltip shows: the first line, at most 60 characters.
    static QString firstLine(const QString& text);

    QString text;

    /// Values the read does not reach keep what they held.
    bool read(const DataDir& dir, int slot);
    /// Any file the user picks, read the same way.
    bool readPath(const QString& path);
    /// Replaces the slot's file with the one record; false when it could not be written (the old file is whole).
    static bool write(const DataDir& dir, int slot, const QString& text);
};

/// TEMP: the slot number the board hands to the note editor, 0 for a new note.
struct HandOverFile
{
    static constexpr const char* kName = "TEMP";

    static bool write(const DataDir& dir, int slot);
    /// Reads the number and deletes the file. A missing or unreadable file, or a number that names no slot,
    /// gives nothing.
    static std::optional<int> take(const DataDir& dir);
};

/// Where the editor's Save puts a note.
struct NoteSaveTarget
{
    enum class Kind
    {
        /// A new note: written to the first free slot, whose icon then shows.
        FreeSlot,
        /// A note that came from a slot: written over it after the user agrees.
        OwnSlot,
        /// A new note while every slot is in use: nothing is written.
        NoFreeSlot,
    };

    Kind kind;
    int slot;

    /// `slotNumber` is the editor's (0 for a new note); `inUse` the visibility of the five icons.
    static NoteSaveTarget choose(int slotNumber, const std::array<bool, kNoteSlotCount>& inUse);
};

/// The editor's Time/Date text: hh:mm:ss (24-hour clock), one space, mm-dd-yyyy.
QString timeDateStamp(const QDateTime& now);
