#include "scratch/ScratchFiles.h"

#include "core/DataDir.h"
#include "core/RecordFile.h"

bool ScratchFile::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName)).read(open, text);
}

bool AutosaveFile::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName)).read(autosave, checked);
}
