#include "app/StartupFiles.h"

#include "core/DataDir.h"

StartupFiles StartupFiles::read(const DataDir& dir)
{
    StartupFiles files;
    files.email.read(dir);
    files.icons.read(dir, QString::fromLatin1(IconPositions::kSavedName));
    files.autosave.read(dir);
    files.tipset.read(dir);
    files.position.read(dir);
    files.scratch.read(dir);
    files.options.readAll(dir);
    for (int slot = 1; slot <= kNoteSlotCount; ++slot) {
        if (!dir.exists(NoteFile::nameOf(slot)))
            continue;
        NoteFile note;
        note.read(dir, slot);
        files.notes[static_cast<std::size_t>(slot - 1)] = note;
    }
    return files;
}
