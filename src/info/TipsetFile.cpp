#include "info/TipsetFile.h"

#include "core/DataDir.h"
#include "core/RecordFile.h"

bool TipsetFile::read(const DataDir& dir)
{
    return RecordReader::open(dir, QString::fromLatin1(kName)).read(showAtStartup);
}

bool TipsetFile::write(const DataDir& dir, int value)
{
    RecordWriter writer;
    writer.writeRecord({qint32(value)});
    return writer.commit(dir, QString::fromLatin1(kName));
}
