#include "netsearch/SearchFile.h"

#include "core/RecordFile.h"

SearchFile SearchFile::read(const DataDir& dir)
{
    SearchFile file;
    RecordReader::open(dir, QString::fromLatin1(kName)).read(file.engine, file.onTop, file.searchList);
    return file;
}

bool SearchFile::write(const DataDir& dir) const
{
    RecordWriter writer;
    writer.writeRecord({engine, onTop, searchList});
    return writer.commit(dir, QString::fromLatin1(kName));
}
