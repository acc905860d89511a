#include "board/PositionFile.h"

#include <QString>

#include "core/DataDir.h"
#include "core/RecordFile.h"

namespace
{
QString fileName()
{
    return QString::fromLatin1(PositionFile::kName);
}
} // namespace

bool PositionFile::read(const DataDir& dir)
{
    return RecordReader::open(dir, fileName()).read(onTop, left, top);
}

bool PositionFile::write(const DataDir& dir) const
{
    RecordWriter writer;
    writer.writeRecord({onTop, left, top});
    return writer.commit(dir, fileName());
}

bool PositionFile::rewriteFlag(const DataDir& dir, int onTop)
{
    // A missing file still records the new flag; the position then reads as 0, 0 until the next exit.
    PositionFile stored;
    stored.read(dir);
    RecordWriter writer;
    writer.writeRecord({qint32{onTop}, stored.left, stored.top});
    return writer.commit(dir, fileName());
}
