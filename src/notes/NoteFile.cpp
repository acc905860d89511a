#include "notes/NoteFile.h"

#include "core/DataDir.h"
#include "core/RecordFile.h"

QString NoteFile::nameOf(int slot)
{
    return QString::number(slot) + QStringLiteral(".zrn");
}

bool NoteFile::read(const DataDir& dir, int slot)
{
    return RecordReader::open(dir, nameOf(slot)).read(text);
}
