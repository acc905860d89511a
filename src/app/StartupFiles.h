#pragma once

#include <array>
#include <optional>

#include "board/PositionFile.h"
#include "core/Options.h"
#include "email/EmailSettings.h"
#include "info/TipsetFile.h"
#include "launch/IconPositions.h"
#include "notes/NoteFile.h"
#include "scratch/ScratchFiles.h"

class DataDir;

/// Everything the board's load reads from the data directory, in the order it reads it.
struct StartupFiles
{
    EmailSettings email;
    IconPositions icons;
    AutosaveFile autosave;
    TipsetFile tipset;
    PositionFile position;
    ScratchFile scratch;
    Options options;
    /// A slot holds a note exactly when its file exists.
    std::array<std::optional<NoteFile>, kNoteSlotCount> notes;

    /// Each file is opened, read and closed before the next; a missing, short or unreadable file leaves the
    /// values it did not reach as they were and the next file is read.
    static StartupFiles read(const DataDir& dir);
};
