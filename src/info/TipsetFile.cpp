#include "info/TipsetFile.h"

#include "core/DataDir.h"
#include "core/RecordFile.h"

bool TipsetFile::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName)).read(showAtStartup);
}
