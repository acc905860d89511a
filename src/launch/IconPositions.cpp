#include "launch/IconPositions.h"

#include "core/DataDir.h"
#include "core/RecordFile.h"

bool IconPositions::read(const DataDir& dir, const QString& name)
{
    RecordReader reader = RecordReader::open(dir, name);
    bool ok = true;
    for (IconPlace& place : places)
        ok = reader.read(place.top, place.left) && ok;
    return ok;
}

bool IconPositions::write(const DataDir& dir, const QString& name) const
{
    RecordWriter writer;
    for (const IconPlace& place : places)
        writer.writeRecord({place.top, place.left});
    return writer.commit(dir, name);
}
